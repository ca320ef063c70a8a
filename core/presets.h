// The ten metal presets and the operation that writes one into the texture's parameters.
#pragma once

#include <array>

#include "core/complex_ior.h"
#include "core/param_store.h"

namespace veltrane {

/// Preset index 0 means "Custom": no metal, the n/k values are the user's.
constexpr int kPresetCustom = 0;
constexpr int kPresetFirstMetal = 1;
constexpr int kPresetLastMetal = 10;
constexpr int kPresetDefault = 6;  // Copper

/// One metal: its preset index, the string-table ID of its display name, and its complex
/// index of refraction at 0.650, 0.510 and 0.475 um (red, green, blue).
struct MetalPreset {
    int index;
    int nameStringId;
    ComplexIOR ior;
};

/// The metals in index order, 1 to 10.
extern const std::array<MetalPreset, 10> kMetalPresets;

/// The row of preset index, or nullptr when index selects no metal (0 "Custom" or
/// anything outside 1 to 10).
const MetalPreset* FindMetalPreset(int index);

/// Writes the metal's six n/k values into parameters 1 to 6, in that order, each at time 0
/// and tab index 0 whatever the current time. An index that selects no metal writes
/// nothing. Reads and writes nothing else, "preset" included.
void ApplyPreset(ParamStore& store, int index);

}  // namespace veltrane
