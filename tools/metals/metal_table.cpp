// The one table of metals: the core's ten preset rows joined with their names and sources,
// followed by the metals only the tools offer. The core carries only what the plug-in
// needs; everything else about a metal lives here.
#include "tools/metals/metal_table.h"

#include <array>

#include "core/presets.h"

namespace veltrane::tools {
namespace {

struct PresetSource {
    std::string_view name, displayName, source, page;
};

constexpr std::string_view kBabar = "Babar & Weaver 2015, Appl. Opt. 54, 477";
constexpr std::string_view kJohnson = "Johnson & Christy 1974, Phys. Rev. B 9, 5056";
constexpr std::string_view kRakic = "Rakic et al. 1998, Appl. Opt. 37, 5271, Brendel-Bormann model";
constexpr std::string_view kQuerry = "Querry 1985, CRDC-CR-85034";

// Names and sources of the core's presets, in preset order 1 to 10.
constexpr std::array<PresetSource, kPresetLastMetal> kPresetSources = {{
    {"silver", "Silver", kBabar, "main/Ag/nk/Babar.yml"},
    {"aluminium", "Aluminium", kRakic, "main/Al/nk/Rakic-BB.yml"},
    {"gold", "Gold", kBabar, "main/Au/nk/Babar.yml"},
    {"cobalt", "Cobalt", kJohnson, "main/Co/nk/Johnson.yml"},
    {"chromium", "Chromium", kRakic, "main/Cr/nk/Rakic-BB.yml"},
    {"copper", "Copper", kRakic, "main/Cu/nk/Rakic-BB.yml"},
    {"iron", "Iron", kJohnson, "main/Fe/nk/Johnson.yml"},
    {"nickel", "Nickel", kRakic, "main/Ni/nk/Rakic-BB.yml"},
    {"platinum", "Platinum", kRakic, "main/Pt/nk/Rakic-BB.yml"},
    {"titanium", "Titanium", kJohnson, "main/Ti/nk/Johnson.yml"},
}};

// Linear interpolations of the database's tabulated files at 0.650, 0.510 and 0.475 um
// (public domain, CC0; Polyanskiy, Scientific Data 11, 94 (2024)). Zinc and tin are left
// out: the database has no trustworthy visible-range data for them.
// clang-format off
const std::array<Metal, 12> kFurtherMetals = {{
    {"brass-cu70zn30", "Brass Cu70Zn30", 0, {0.444f, 0.639f, 0.858f, 3.695f, 2.358f, 2.0015f},
     kQuerry, "other/alloys/Cu-Zn/nk/Querry-Cu70Zn30.yml"},
    {"brass-cu85zn15", "Brass Cu85Zn15", 0, {0.390f, 0.687f, 0.842f, 3.187f, 2.027f, 1.849f},
     kQuerry, "other/alloys/Cu-Zn/nk/Querry-Cu85Zn15.yml"},
    {"tungsten", "Tungsten", 0, {3.6518f, 3.4231f, 3.3550f, 2.7955f, 2.7071f, 2.6485f},
     kRakic, "main/W/nk/Rakic-BB.yml"},
    {"palladium", "Palladium", 0, {1.7893f, 1.5480f, 1.4696f, 4.3750f, 3.6184f, 3.4140f},
     kJohnson, "main/Pd/nk/Johnson.yml"},
    {"mercury", "Mercury (liquid)", 0, {2.0733f, 1.3505f, 1.1773f, 5.3383f, 4.3536f, 4.0741f},
     "Inagaki et al. 1981, Phys. Rev. B 23, 5246", "main/Hg/nk/Inagaki.yml"},
    {"lead", "Lead", 0, {1.91f, 1.74f, 1.60f, 3.51f, 3.31f, 3.24f},
     "Golovashkin & Motulevich 1968, Sov. Phys. JETP 26, 881", "main/Pb/nk/Golovashkin-293K.yml"},
    {"stainless-steel", "Stainless steel, austenitic", 0,
     {2.4401f, 1.8992f, 1.7733f, 4.1820f, 3.4541f, 3.2646f},
     "Karlsson & Ribbing 1982, J. Appl. Phys. 53, 6340",
     "other/alloys/stainless steel/nk/Karlsson-austenitic.yml"},
    {"rhodium", "Rhodium", 0, {2.1936f, 1.8936f, 1.8446f, 5.7401f, 4.7386f, 4.5436f},
     "Weaver et al. 1977", "main/Rh/nk/Weaver.yml"},
    {"iridium", "Iridium", 0, {2.5310f, 1.9690f, 1.8300f, 5.2340f, 4.4510f, 4.1795f},
     "Roberts 1986", "main/Ir/nk/Roberts.yml"},
    {"beryllium", "Beryllium", 0, {3.4132f, 3.2378f, 3.1523f, 3.1971f, 3.1250f, 3.1238f},
     kRakic, "main/Be/nk/Rakic-BB.yml"},
    {"molybdenum", "Molybdenum", 0, {3.45f, 3.178f, 2.95f, 3.67f, 3.734f, 3.64f},
     "Kirillova et al. 1971, Sov. Phys. JETP 33, 1210", "main/Mo/nk/Kirillova.yml"},
    {"bismuth", "Bismuth", 0, {2.3338f, 1.9081f, 1.7868f, 3.2150f, 2.7189f, 2.5688f},
     "Hagemann et al. 1975, JOSA 65, 742", "main/Bi/nk/Hagemann.yml"},
}};
// clang-format on

std::vector<Metal> JoinTable() {
    std::vector<Metal> metals;
    for (const MetalPreset& preset : kMetalPresets) {
        const PresetSource& s = kPresetSources[static_cast<std::size_t>(preset.index - 1)];
        metals.push_back({s.name, s.displayName, preset.index, preset.ior, s.source, s.page});
    }
    metals.insert(metals.end(), kFurtherMetals.begin(), kFurtherMetals.end());
    return metals;
}

}  // namespace

const std::vector<Metal>& Metals() {
    static const std::vector<Metal> metals = JoinTable();
    return metals;
}

const Metal* FindMetal(std::string_view name) {
    for (const Metal& metal : Metals()) {
        if (metal.name == name) return &metal;
    }
    return nullptr;
}

}  // namespace veltrane::tools
