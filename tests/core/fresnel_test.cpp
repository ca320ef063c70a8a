// Conductor reflectance against closed forms, physical bounds and the 0/0 limit.
#include "core/fresnel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/presets.h"
#include "tests/core/core_test_util.h"

namespace veltrane {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kDenormMin = std::numeric_limits<float>::denorm_min();

double NormalIncidenceInDouble(double n, double k) {
    return ((n - 1) * (n - 1) + k * k) / ((n + 1) * (n + 1) + k * k);
}

TEST(FresnelConductor, NormalIncidenceIsTheExactReflectance) {
    struct Case {
        float n, k;
        const char* note;
    };
    const Case cases[] = {
        {1.5f, 0.0f, "glass-like dielectric"},
        {1.0f, 0.0f, "index matched: no reflection"},
        {0.27105f, 3.6092f, "copper red"},
        {0.049517f, 4.4114f, "silver red"},
        {3.4259f, 4.2732f, "chromium red"},
        {0.0f, 0.0f, "vacuum-like: R = 1"},
        {100.0f, 100.0f, "top of the parameter range"},
        {0.0f, 100.0f, "pure extinction"},
        {2.0f, 0.001f, "almost a dielectric"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_NEAR(FresnelConductor(c.n, c.k, 1.0f), NormalIncidenceInDouble(c.n, c.k),
                    kSixDigits);
    }
    for (const MetalPreset& p : kMetalPresets) {
        SCOPED_TRACE(p.index);
        EXPECT_NEAR(FresnelConductor(p.ior.nG, p.ior.kG, 1.0f),
                    NormalIncidenceInDouble(p.ior.nG, p.ior.kG), kSixDigits);
    }
}

TEST(FresnelConductor, KnownValues) {
    EXPECT_TRUE(SameBits(FresnelConductor(1.0f, 0.0f, 1.0f), 0.0f));
    EXPECT_TRUE(SameBits(FresnelConductor(1.5f, 0.0f, 1.0f), 0.0399999991f));

    const ComplexIOR copper = FindMetalPreset(kPresetDefault)->ior;
    ExpectNear(FresnelConductorColor(1.0f, copper), {0.925952f, 0.589009f, 0.520982f, 1.0f},
               kSixDigits);
    ExpectNear(FresnelConductorColor(0.5f, copper), {0.920476f, 0.604145f, 0.539377f, 1.0f},
               kSixDigits);
}

TEST(FresnelConductor, StaysWithinZeroAndOneOverTheParameterRangeAndBeyondUnitMu) {
    const float values[] = {0.0f, 1e-6f, 0.01f, 0.1f, 0.5f,  0.9f,  1.0f,  1.1f,
                            1.5f, 2.0f,  3.7f,  7.5f, 20.0f, 50.0f, 99.0f, 100.0f};
    for (float n : values) {
        for (float k : values) {
            for (int i = 0; i <= 128; ++i) {  // mu up to 2: non-unit vectors
                const float mu = static_cast<float>(i) / 64.0f;
                const float r = FresnelConductor(n, k, mu);
                ASSERT_TRUE(r >= 0.0f && r <= 1.0f)
                    << "n " << n << " k " << k << " mu " << mu << " gives " << r;
            }
        }
    }
}

TEST(FresnelConductor, GrazingViewReflectsEverything) {
    const float values[] = {kDenormMin, 1e-20f, 0.05f, 1.0f, 1.5f, 4.4f, 100.0f};
    for (float n : values) {
        for (float k : values) {
            EXPECT_TRUE(SameBits(FresnelConductor(n, k, 0.0f), 1.0f)) << "n " << n << " k " << k;
            EXPECT_TRUE(SameBits(FresnelConductor(0.0f, k, 0.0f), 1.0f)) << "k " << k;
            EXPECT_TRUE(SameBits(FresnelConductor(n, 0.0f, 0.0f), 1.0f)) << "n " << n;
        }
    }
}

TEST(FresnelConductor, ZeroOverZeroTakesItsLimit) {
    // The s term is 0/0 here; its limit 1 keeps the sample white instead of NaN.
    struct Case {
        float n, k, mu, expected;
        const char* note;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0.0f, 1.0f, "n = k = mu = 0"},
        {-0.0f, 0.0f, -0.0f, 1.0f, "signed zeros"},
        {1e-30f, 1e-30f, 1e-30f, 1.0f, "every term underflows"},
        {kDenormMin, kDenormMin, kDenormMin, 1.0f, "smallest subnormals"},
        {0.0f, 0.0f, 0.5f, 1.0f, "mu^2 / mu^2, no 0/0"},
        {0.0f, 0.0f, 1e-30f, 1.0f, "mu^2 underflows alone"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_TRUE(SameBits(FresnelConductor(c.n, c.k, c.mu), c.expected));
    }
    const AColor white = FresnelConductorColor(0.0f, ComplexIOR{});
    EXPECT_TRUE(SameBits(white, AColor{1.0f, 1.0f, 1.0f, 1.0f}));
}

TEST(FresnelConductor, OverflowingInputsTakeTheirLimit) {
    // Long non-unit vectors give huge facing values; squaring them overflows into inf / inf
    // or inf - inf, where every term tends to 1 (found by the shading fuzzer).
    constexpr float kInf = std::numeric_limits<float>::infinity();
    struct Case {
        float n, k, mu;
        const char* note;
    };
    const Case cases[] = {
        {3.9f, 2.4f, 1.1e23f, "mu squared overflows"},
        {100.0f, 100.0f, 2e17f, "t mu squared overflows"},
        {0.27f, 3.6f, 3e38f, "2 n mu overflows"},
        {0.0f, 0.0f, kInf, "infinite mu, n = 0"},
        {1.0f, 1.0f, kInf, "infinite mu"},
        {kInf, 0.0f, 0.5f, "infinite n"},
        {1.0f, 1e30f, 0.5f, "k far out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_TRUE(SameBits(FresnelConductor(c.n, c.k, c.mu), 1.0f));
    }
}

TEST(FresnelConductor, NaNInputsStillPassThrough) {
    EXPECT_TRUE(std::isnan(FresnelConductor(kNaN, 1.0f, 0.5f)));
    EXPECT_TRUE(std::isnan(FresnelConductor(1.0f, kNaN, 0.5f)));
    EXPECT_TRUE(std::isnan(FresnelConductor(1.0f, 1.0f, kNaN)));
    EXPECT_TRUE(std::isnan(FresnelConductor(0.0f, 0.0f, kNaN)));
}

TEST(FresnelConductor, ColourIsThreeIndependentChannelsWithOpaqueAlpha) {
    const ComplexIOR mixed = {0.5f, kNaN, 0.0f, 3.0f, 1.0f, 0.0f};
    for (float mu : {0.0f, 0.3f, 1.0f, 2.5f}) {
        const AColor c = FresnelConductorColor(mu, mixed);
        EXPECT_TRUE(SameBits(c.r, FresnelConductor(0.5f, 3.0f, mu)));
        EXPECT_TRUE(std::isnan(c.g));
        EXPECT_TRUE(SameBits(c.b, FresnelConductor(0.0f, 0.0f, mu)));
        EXPECT_TRUE(SameBits(c.a, 1.0f));
    }
}

}  // namespace
}  // namespace veltrane
