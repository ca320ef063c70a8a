// Preset names: stable lower-case keys, separate from the plug-in's display strings.
#include "tools/veltrane/preset_names.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/presets.h"
#include "tools/veltrane/item_list.h"

namespace veltrane::tools {
namespace {

struct NamedPreset {
    std::string_view name;
    int index;
};

// In index order; an alternative spelling follows its preset.
constexpr std::array<NamedPreset, 11> kNames = {{
    {"silver", 1},
    {"aluminium", 2},
    {"aluminum", 2},
    {"gold", 3},
    {"cobalt", 4},
    {"chromium", 5},
    {"copper", 6},
    {"iron", 7},
    {"nickel", 8},
    {"platinum", 9},
    {"titanium", 10},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::optional<int> FindPresetByName(std::string_view name) {
    for (const auto& entry : kNames) {
        if (EqualsIgnoringCase(entry.name, name)) return entry.index;
    }
    return std::nullopt;
}

std::string_view PresetName(int index) {
    for (const auto& entry : kNames) {
        if (entry.index == index) return entry.name;
    }
    return {};
}

std::string PresetNameList() {
    std::string list;
    for (const auto& entry : kNames) AppendItem(list, entry.name);
    return list;
}

static_assert(kNames.back().index == kPresetLastMetal, "a name for every metal preset");

}  // namespace veltrane::tools
