// Streaming evaluation: lines of ten numbers in, one colour per line out.
#pragma once

#include <cstdio>

#include "tools/veltrane/sample.h"

namespace veltrane::tools {

/// Reads lines "nR nG nB kR kG kB mu hue sat gamma" from inFd until its end and writes
/// "r g b a" for each to outFd, every value as printf's %.9g of the float, so that it reads
/// back to the same float, as `evaluator` computes it (N = (0, 0, 1), V = (0, 0, -mu)). Blank lines
/// and lines whose first non-blank character is '#' are skipped. Memory stays constant however long
/// the input.
///
/// Returns 0 at the end of the input. A line that is not ten numbers stops the run after
/// the lines before it were written: "line N: expected 10 numbers, " and what was found
/// instead (how many, or the word that is not a number, shortened and with control bytes
/// escaped) on err, status 2. A line longer than 1 MiB counts as such a line: no ten
/// numbers need that much.
/// A failed read or write: a message on err, status 1.
int RunBatch(int inFd, int outFd, std::FILE* err, SampleEvaluator& evaluator);

}  // namespace veltrane::tools
