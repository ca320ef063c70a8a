// The metals by the names people type: the plug-in's presets and the tools' further metals.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/metals/metal_table.h"

namespace veltrane::tools {

/// Any metal of the tools' table by name, case-insensitive: the plug-in's ten presets
/// (aluminium also as aluminum) and the further metals (brass-cu70zn30, tungsten, ...).
const Metal* FindMetalByName(std::string_view name);

/// Every name FindMetalByName accepts, comma-separated, for error messages and help.
std::string MetalNameList();

/// The plug-in's preset index of a metal name, case-insensitive: silver, aluminium (or
/// aluminum), gold, cobalt, chromium, copper, iron, nickel, platinum, titanium. Metals that
/// are no preset of the plug-in give nothing.
std::optional<int> FindPresetByName(std::string_view name);

/// FindPresetByName, and 0 for "custom" in any case: every preset index the map's list has.
std::optional<int> FindPresetOrCustomByName(std::string_view name);

/// The lower-case name of a preset index 1 to 10 (aluminium in its British spelling).
std::string_view PresetName(int index);

/// The names FindPresetByName accepts, comma-separated, for error messages and help.
std::string PresetNameList();

}  // namespace veltrane::tools
