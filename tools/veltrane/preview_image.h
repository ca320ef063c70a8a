// The preview picture: sample slots over a checker background, labelled when there are
// several, drawn and written as PNG with cairo.
#pragma once

#include <string>
#include <vector>

#include "tools/veltrane/output_file.h"
#include "tools/veltrane/preview_render.h"

namespace veltrane::tools {

/// Tiles per row of a labelled grid.
constexpr int kGridColumns = 5;

/// Draws the slots and writes the picture as PNG to out, then commits it. No labels: one slot, a
/// picture of exactly size x size pixels. One label per slot: a grid of kGridColumns slots per row,
/// each with its label on a strip below it. Throws std::runtime_error if drawing or writing fails;
/// out is then left uncommitted.
void WritePreviewPng(const SlotPixels& slots, const std::vector<std::string>& labels,
                     OutputFile& out);

}  // namespace veltrane::tools
