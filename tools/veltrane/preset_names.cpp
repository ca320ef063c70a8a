// Names are the metal table's lower-case keys plus alternative spellings; they are stable
// and separate from the plug-in's display strings.
#include "tools/veltrane/preset_names.h"

#include <array>

#include "tools/veltrane/ignoring_case.h"
#include "tools/veltrane/item_list.h"

namespace veltrane::tools {
namespace {

struct Alias {
    std::string_view alias, name;
};

constexpr std::array<Alias, 1> kAliases = {{{"aluminum", "aluminium"}}};

// The names of the metals that pass the filter, each followed by its aliases.
template <typename Filter>
std::string NameList(Filter keep) {
    std::string list;
    for (const Metal& metal : Metals()) {
        if (!keep(metal)) continue;
        AppendItem(list, metal.name);
        for (const Alias& a : kAliases) {
            if (a.name == metal.name) AppendItem(list, a.alias);
        }
    }
    return list;
}

bool IsPreset(const Metal& metal) {
    return metal.presetIndex != 0;
}

}  // namespace

const Metal* FindMetalByName(std::string_view name) {
    for (const Metal& metal : Metals()) {
        if (EqualsIgnoringCase(metal.name, name)) return &metal;
    }
    for (const Alias& a : kAliases) {
        if (EqualsIgnoringCase(a.alias, name)) return FindMetal(a.name);
    }
    return nullptr;
}

std::string MetalNameList() {
    return NameList([](const Metal&) { return true; });
}

std::optional<int> FindPresetByName(std::string_view name) {
    const Metal* metal = FindMetalByName(name);
    if (metal == nullptr || !IsPreset(*metal)) return std::nullopt;
    return metal->presetIndex;
}

std::optional<int> FindPresetOrCustomByName(std::string_view name) {
    if (EqualsIgnoringCase(name, "custom")) return 0;
    return FindPresetByName(name);
}

std::string_view PresetName(int index) {
    for (const Metal& metal : Metals()) {
        if (IsPreset(metal) && metal.presetIndex == index) return metal.name;
    }
    return {};
}

std::string PresetNameList() {
    return NameList(IsPreset);
}

}  // namespace veltrane::tools
