// The metal preset table and ApplyPreset.
#include "core/presets.h"

namespace veltrane {

// Point samples of the metals' refractive-index data at the three channel wavelengths
// (refractive-index database, public domain CC0): silver and gold from Babar & Weaver
// 2015; cobalt, iron and titanium from Johnson & Christy 1974; aluminium, chromium,
// copper, nickel and platinum from the Brendel-Bormann fits of Rakic et al. 1998.
// Each decimal is the shortest one that gives its float, so the table is exact as written.
// clang-format off
const std::array<MetalPreset, 10> kMetalPresets = {{
    //  index string    nR        nG       nB        kR      kG      kB
    { 1, 13, {0.049517f, 0.052f,   0.052893f, 4.4114f, 3.2297f, 2.9123f}},  // Silver
    { 2, 14, {1.3424f,   0.82373f, 0.70103f,  7.4737f, 5.9741f, 5.5884f}},  // Aluminium
    { 3, 15, {0.11114f,  0.615f,   1.2865f,   3.5041f, 1.7816f, 1.5789f}},  // Gold
    { 4, 16, {2.2371f,   1.9304f,  1.8212f,   4.2357f, 3.6228f, 3.4324f}},  // Cobalt
    { 5, 17, {3.4259f,   2.4904f,  2.219f,    4.2732f, 4.1003f, 3.9736f}},  // Chromium
    { 6, 18, {0.27105f,  0.97907f, 1.2171f,   3.6092f, 2.369f,  2.2908f}},  // Copper
    { 7, 19, {2.9114f,   2.8072f,  2.6812f,   3.0893f, 2.8968f, 2.8296f}},  // Iron
    { 8, 20, {2.0592f,   1.728f,   1.6597f,   3.7574f, 3.0549f, 2.8486f}},  // Nickel
    { 9, 21, {2.3757f,   1.9839f,  1.902f,    4.2654f, 3.4841f, 3.281f}},   // Platinum
    {10, 22, {2.7407f,   2.4048f,  2.3264f,   3.8143f, 3.2516f, 3.1144f}},  // Titanium
}};
// clang-format on

const MetalPreset* FindMetalPreset(int index) {
    if (index < kPresetFirstMetal || index > kPresetLastMetal) return nullptr;
    return &kMetalPresets[static_cast<std::size_t>(index - kPresetFirstMetal)];
}

void ApplyPreset(ParamStore& store, int index) {
    const MetalPreset* preset = FindMetalPreset(index);
    if (preset == nullptr) return;
    constexpr TimeValue kTime = 0;
    constexpr int kTab = 0;
    const ComplexIOR& ior = preset->ior;
    for (const IorParamField& p : kIorParamFields) store.SetFloat(p.id, kTime, ior.*p.field, kTab);
}

}  // namespace veltrane
