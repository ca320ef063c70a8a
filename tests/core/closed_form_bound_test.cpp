// The map's closed-form reflectance against the exact Fresnel reflectance: within a stated
// bound for every preset, and far off for a dielectric, so the bound says something.
#include <gtest/gtest.h>

#include "core/presets.h"
#include "tools/metals/closed_form_deviation.h"

namespace veltrane {
namespace {

using tools::ClosedFormDeviation;
using tools::Deviation;

// The bound documented in docs/closed-form-fresnel.md.
constexpr double kPresetBound = 0.007;

struct ChannelCase {
    const char* what;
    float n, k;
    double largest;  // the worst difference over 0 to 90 degrees, to 1e-4
    double degrees;  // where it occurs, to 0.5 degree
};

// Copper's three channels, the worst channel of the presets (nickel blue), and channels
// where the closed form is known to fail.
const ChannelCase kChannels[] = {
    {"copper red", 0.27105f, 3.6092f, 0.0032, 71.8},
    {"copper green", 0.97907f, 2.369f, 0.0064, 70.2},
    {"copper blue", 1.2171f, 2.2908f, 0.0061, 73.6},
    {"nickel blue", 1.6597f, 2.8486f, 0.0068, 75.2},
    {"glass (n 1.5, k 0)", 1.5f, 0.0f, 0.0987, 79.2},
    {"n 0.5, k 0.5", 0.5f, 0.5f, 0.2247, 70.5},
};

TEST(ClosedFormBound, KnownChannelsDeviateAsTabulated) {
    for (const ChannelCase& c : kChannels) {
        const Deviation d = ClosedFormDeviation(c.n, c.k);
        EXPECT_NEAR(d.largest, c.largest, 1e-4) << c.what;
        EXPECT_NEAR(d.degrees, c.degrees, 0.5) << c.what;
    }
}

TEST(ClosedFormBound, EveryPresetChannelStaysWithinTheBound) {
    for (const MetalPreset& preset : kMetalPresets) {
        const ComplexIOR& ior = preset.ior;
        const float n[3] = {ior.nR, ior.nG, ior.nB};
        const float k[3] = {ior.kR, ior.kG, ior.kB};
        for (int c = 0; c < 3; ++c) {
            const Deviation d = ClosedFormDeviation(n[c], k[c]);
            EXPECT_LE(d.largest, kPresetBound) << "preset " << preset.index << " channel " << c;
            // Exact at normal and at grazing incidence: the worst lies in between.
            EXPECT_GT(d.degrees, 60.0) << "preset " << preset.index << " channel " << c;
            EXPECT_LT(d.degrees, 90.0) << "preset " << preset.index << " channel " << c;
        }
    }
}

TEST(ClosedFormBound, ADielectricIsFarOutsideIt) {
    EXPECT_GT(ClosedFormDeviation(1.5f, 0.0f).largest, 10 * kPresetBound);
}

}  // namespace
}  // namespace veltrane
