// The report of `veltrane nk`: the source, n and k per channel, the artist values, the
// MAXScript snippet and the warnings; and the n and k of artist colours it reports on.
#pragma once

#include <array>
#include <string>

#include "tools/veltrane/metal_input.h"

namespace veltrane::tools {

/// The six values and what the report says about where they come from.
struct NkResult {
    MetalInput metal;
    std::array<bool, 3> f0Clamped{};  // already reported
};

/// The result of a metal input; a spectral fit's clamped f0 counts as reported.
NkResult NkFromMetal(MetalInput metal);

/// n and k of artist colours per channel (each 0 to 1; the pole at f0 = 1 is clamped and
/// noted); source is the report's description of the input.
NkResult NkFromArtist(const std::array<float, 3>& f0, const std::array<float, 3>& edge,
                      const std::string& source);

/// Prints the report on standard output and its warnings, each "veltrane nk: warning: ...",
/// on standard error; the warnings of the artist values are added first.
void PrintNkReport(NkResult result);

}  // namespace veltrane::tools
