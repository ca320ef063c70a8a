// EvalReflectance: facing value from the two vectors, reference samples, grazing and back views.
#include "core/evaluation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/color_adjust.h"
#include "core/fresnel.h"
#include "core/presets.h"
#include "tests/core/core_test_util.h"

namespace veltrane {
namespace {

ParamSnapshot CopperNeutral() {
    ParamSnapshot s;
    s.validity = Interval::Forever();
    s.ior = FindMetalPreset(kPresetDefault)->ior;
    s.hue = 0.0f;
    s.sat = 0.0f;
    s.gamma = 1.0f;
    return s;
}

constexpr Point3 kUp = {0, 0, 1};

TEST(EvalReflectance, ReferenceSamples) {
    const ParamSnapshot copper = CopperNeutral();
    const AColor head_on = EvalReflectance(kUp, {0, 0, -1}, copper);
    ExpectNear(head_on, {0.925952f, 0.589009f, 0.520982f, 1.0f}, kSixDigits);
    EXPECT_NEAR((head_on.r + head_on.g + head_on.b) / 3.0f, 0.678648f, kSixDigits) << "mono";

    const float s = std::sqrt(0.75f);
    ExpectNear(EvalReflectance(kUp, {s, 0, -0.5f}, copper), {0.920476f, 0.604145f, 0.539377f, 1},
               kSixDigits);
}

// A NaN parameter is not mended; the HSL conversion's max/min order decides what is left of
// it: red keeps it, green and blue lose it to a grey of the other channels.
TEST(EvalReflectance, WhatANaNParameterBecomes) {
    const float nan = std::nanf("");
    enum Outcome { kNaN, kGrey };
    struct Case {
        const char* what;
        float ParamSnapshot::*adjust;
        float ComplexIOR::*ior;
        Outcome outcome;
    };
    const Case cases[] = {
        {"n red", nullptr, &ComplexIOR::nR, kNaN},
        {"k red", nullptr, &ComplexIOR::kR, kNaN},
        {"n green", nullptr, &ComplexIOR::nG, kGrey},
        {"k blue", nullptr, &ComplexIOR::kB, kGrey},
        {"hue", &ParamSnapshot::hue, nullptr, kGrey},
        {"sat", &ParamSnapshot::sat, nullptr, kNaN},
        {"gamma", &ParamSnapshot::gamma, nullptr, kNaN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParamSnapshot p = CopperNeutral();
        if (c.adjust) p.*c.adjust = nan;
        if (c.ior) p.ior.*c.ior = nan;
        const AColor out = EvalReflectance(kUp, {0, 0, -1}, p);
        if (c.outcome == kNaN) {
            EXPECT_TRUE(std::isnan(out.r) && std::isnan(out.g) && std::isnan(out.b));
        } else {
            EXPECT_FALSE(std::isnan(out.r));
            EXPECT_TRUE(SameBits(out.r, out.g) && SameBits(out.g, out.b));
        }
        EXPECT_TRUE(SameBits(out.a, 1.0f));
    }
}

TEST(EvalReflectance, GrazingViewIsWhiteWhateverTheAdjustment) {
    ParamSnapshot p = CopperNeutral();
    for (float sat : {0.0f, 40.0f, -100.0f}) {
        p.hue = 90.0f;
        p.sat = sat;
        p.gamma = 2.2f;
        const AColor c = EvalReflectance(kUp, {1, 0, 0}, p);
        for (float v : {c.r, c.g, c.b}) EXPECT_GE(v, 0.99999994f) << sat;
        EXPECT_TRUE(SameBits(c.a, 1.0f));
    }
}

TEST(EvalReflectance, FrontAndBackViewsAgree) {
    ParamSnapshot p = CopperNeutral();
    p.hue = 20.0f;
    p.sat = 10.0f;
    p.gamma = 2.2f;
    const Point3 n = {0.3f, -0.4f, 0.866f};
    const Point3 views[] = {{0.1f, 0.2f, -0.97f}, {0.6f, 0.0f, -0.8f}, {-0.9f, 0.3f, 0.1f}};
    for (const Point3& v : views) {
        const Point3 back = {-v.x, -v.y, -v.z};
        EXPECT_TRUE(SameBits(EvalReflectance(n, v, p), EvalReflectance(n, back, p)));
    }
}

TEST(EvalReflectance, FacingValueAlongTheAxisIsExactlyMu) {
    // With N = (0, 0, 1) and V = (0, 0, -mu) the facing value is |mu| bit for bit, which
    // the batch tool relies on.
    ParamSnapshot p = CopperNeutral();
    p.hue = -35.0f;
    p.sat = 25.0f;
    p.gamma = 0.7f;
    for (float mu : {0.0f, -0.0f, 1e-30f, 0.2f, 0.70710677f, 1.0f, 1.7f, -0.4f}) {
        const AColor expected =
            AdjustColor(FresnelConductorColor(std::fabs(mu), p.ior), p.hue, p.sat, p.gamma);
        EXPECT_TRUE(SameBits(EvalReflectance(kUp, {0, 0, -mu}, p), expected)) << mu;
    }
}

TEST(EvalReflectance, LongVectorsAreClampedNotNormalised) {
    const ParamSnapshot p = CopperNeutral();
    const AColor c = EvalReflectance({0, 0, 3}, {0, 0, -2}, p);  // mu = 6
    for (float v : {c.r, c.g, c.b, c.a}) EXPECT_TRUE(v >= 0.0f && v <= 1.0f);
    EXPECT_FALSE(SameBits(c, EvalReflectance(kUp, {0, 0, -1}, p)));
}

// Found by the shading fuzzer: finite vectors so long that N.V overflows (to infinity, or
// to inf - inf = NaN) gave NaN channels. The reflectance takes its limit, white.
TEST(EvalReflectance, OverflowingFacingValuesGiveWhiteNotNaN) {
    constexpr float kBig = 1.3e36f;
    struct Case {
        Point3 n, v;
        const char* note;
    };
    const Case cases[] = {
        {{0, 0, 1}, {0, 0, -1.1e23f}, "mu squared overflows"},
        {{0, 0, kBig}, {0, 0, -kBig}, "mu overflows"},
        {{0, kBig, kBig}, {kBig, kBig, -2.6e33f}, "the sum is inf - inf"},
    };
    const ParamSnapshot p = CopperNeutral();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_TRUE(SameBits(EvalReflectance(c.n, c.v, p), AColor{1, 1, 1, 1}));
    }
    const float nan = std::nanf("");
    EXPECT_TRUE(std::isnan(EvalReflectance(kUp, {0, 0, nan}, p).r)) << "a NaN view stays NaN";
}

}  // namespace
}  // namespace veltrane
