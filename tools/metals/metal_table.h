// Every metal the tools know: the plug-in's ten presets and further measured metals, each
// with its refractive index at the three channel wavelengths and its source.
#pragma once

#include <string_view>
#include <vector>

#include "core/complex_ior.h"

namespace veltrane::tools {

struct Metal {
    std::string_view name;         // lower-case key for --preset, e.g. "copper"
    std::string_view displayName;  // e.g. "Copper"
    int presetIndex;               // the plug-in's preset 1 to 10; 0 for tools-only metals
    ComplexIOR ior;                // n and k at 0.650, 0.510 and 0.475 um
    std::string_view source;       // the publication the values come from
    std::string_view page;         // the refractive-index database page (under data/)
};

/// The plug-in's ten presets in preset order, with their values taken unchanged from the
/// core's table, then the further metals.
const std::vector<Metal>& Metals();

/// The metal of a lower-case key, or nullptr.
const Metal* FindMetal(std::string_view name);

}  // namespace veltrane::tools
