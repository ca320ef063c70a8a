// The metal presets by the names people type.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrane::tools {

/// The preset index of a metal name, case-insensitive: silver, aluminium (or aluminum),
/// gold, cobalt, chromium, copper, iron, nickel, platinum, titanium.
std::optional<int> FindPresetByName(std::string_view name);

/// The lower-case name of a preset index 1 to 10 (aluminium in its British spelling).
std::string_view PresetName(int index);

/// Every accepted name, comma-separated, for error messages and help.
std::string PresetNameList();

}  // namespace veltrane::tools
