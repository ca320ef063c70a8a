// Colour adjustment: reference colours, greys, white and black, hue wrap, saturation and
// gamma at the ends of their ranges, HSL round trips.
#include "core/color_adjust.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "tests/core/core_test_util.h"

namespace veltrane {
namespace {

constexpr AColor kCopper = {0.925952f, 0.589009f, 0.520982f, 1.0f};

TEST(AdjustColor, ReferenceColours) {
    struct Case {
        AColor in;
        float hue, sat, gamma;
        AColor expected;
        const char* note;
        float tolerance = kSixDigits;
    };
    const Case cases[] = {
        {kCopper, 0, 0, 1, kCopper, "neutral settings"},
        {{0.5f, 0.5f, 0.5f, 1}, 0, 50, 1, {0.75f, 0.25f, 0.25f, 1}, "grey takes hue 0, red"},
        {{0.5f, 0.5f, 0.5f, 1}, 120, 50, 1, {0.25f, 0.75f, 0.25f, 1}, "grey takes hue 120"},
        {{0.5f, 0.5f, 0.5f, 1}, -90, 100, 1, {0.5f, 0.0f, 1.0f, 1}, "grey, hue -90 wraps to 270"},
        {{1, 0, 0, 1}, 180, 0, 1, {0, 1, 0.99999994f, 1}, "red turns cyan"},
        {kCopper, 180, 0, 1, {0.520982f, 0.857925f, 0.925952f, 1}, "copper, opposite hue"},
        {kCopper, 0, -100, 1, {0.723467f, 0.723467f, 0.723467f, 1}, "sat -100: grey of L"},
        {kCopper, 0, 100, 1, {1, 0.405381f, 0.244449f, 1}, "sat +100: q above 1, p below 0"},
        {kCopper, 0, 0, 0.05f, {0.996161f, 0.973881f, 0.967924f, 1}, "lowest gamma"},
        {kCopper,
         0,
         0,
         20,
         {0.214670f, 0.000025f, 0.000002f, 1},
         "highest gamma",
         2e-6f},  // 0.2146689
        {{0.2f, 0.4f, 0.6f, 0.25f}, 0, 0, 1, {0.2f, 0.4f, 0.6f, 0.25f}, "alpha passes"},
        {{0.2f, 0.4f, 0.6f, 3.0f}, 0, 0, 1, {0.2f, 0.4f, 0.6f, 1.0f}, "alpha is clamped"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        ExpectNear(AdjustColor(c.in, c.hue, c.sat, c.gamma), c.expected, c.tolerance);
    }
    // Exact where the arithmetic is: 0.99999994 is the float just below 1.
    EXPECT_TRUE(SameBits(AdjustColor({1, 0, 0, 1}, 180, 0, 1), AColor{0, 1, 0.99999994f, 1}));
}

TEST(AdjustColor, HuePlusAndMinusHalfTurnAgree) {
    const AColor colours[] = {kCopper, {1, 0, 0, 1}, {0.2f, 0.7f, 0.4f, 1}, {0.9f, 0.8f, 0.1f, 1}};
    for (const AColor& c : colours) {
        for (float sat : {-50.0f, 0.0f, 30.0f}) {
            EXPECT_TRUE(SameBits(AdjustColor(c, 180, sat, 1.3f), AdjustColor(c, -180, sat, 1.3f)));
        }
    }
}

TEST(AdjustColor, WhiteStaysWhiteAndBlackStaysBlack) {
    for (float hue : {-180.0f, -90.0f, 0.0f, 33.3f, 180.0f}) {
        for (float sat : {-100.0f, -1.0f, 0.0f, 1.0f, 100.0f}) {
            for (float gamma : {0.05f, 0.5f, 1.0f, 2.2f, 20.0f}) {
                const AColor white = AdjustColor({1, 1, 1, 1}, hue, sat, gamma);
                const AColor black = AdjustColor({0, 0, 0, 1}, hue, sat, gamma);
                for (float v : {white.r, white.g, white.b}) {
                    EXPECT_GE(v, 0.99999994f) << hue << " " << sat << " " << gamma;
                }
                EXPECT_TRUE(SameBits(black, AColor{0, 0, 0, 1}))
                    << hue << " " << sat << " " << gamma;
            }
        }
    }
}

TEST(AdjustColor, GreyWithoutAddedSaturationStaysGrey) {
    for (float v : {0.1f, 0.5f, 0.73f, 1.0f}) {
        for (float sat : {-100.0f, -20.0f, 0.0f}) {
            for (float gamma : {0.05f, 1.0f, 2.2f}) {
                const AColor out = AdjustColor({v, v, v, 1}, 77.0f, sat, gamma);
                const float expected = std::pow(v, gamma);
                EXPECT_NEAR(out.r, expected, kSixDigits);
                EXPECT_EQ(out.r, out.g);
                EXPECT_EQ(out.r, out.b);
            }
        }
    }
}

TEST(RGBtoHSL, KnownConversions) {
    struct Case {
        float r, g, b;
        Hsl expected;
        const char* note;
    };
    const Case cases[] = {
        {1, 0, 0, {0, 1, 0.5f}, "red"},
        {0, 1, 0, {120, 1, 0.5f}, "green"},
        {0, 0, 1, {240, 1, 0.5f}, "blue"},
        {1, 0, 1, {300, 1, 0.5f}, "magenta"},
        {1, 0, 0.01f, {359.4f, 1, 0.5f}, "red towards blue wraps below 360"},
        {0.5f, 0.5f, 0.5f, {0, 0, 0.5f}, "grey"},
        {0, 0, 0, {0, 0, 0}, "black"},
        {0.5f, 0.5f, 0.500001f, {0, 1e-6f, 0.5000005f}, "near-grey: small S, hue 0"},
        {1.5f, 1.0f, 1.0f, {0, 1.0f, 1.25f}, "lightness above 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const Hsl hsl = RGBtoHSL(c.r, c.g, c.b);
        EXPECT_NEAR(hsl.h, c.expected.h, 1e-4f);
        EXPECT_NEAR(hsl.s, c.expected.s, kSixDigits);
        EXPECT_NEAR(hsl.l, c.expected.l, kSixDigits);
    }
}

TEST(HSLtoRGB, RoundTripsColoursInTheUnitCube) {
    std::mt19937 rng(1234);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int i = 0; i < 20000; ++i) {
        const float r = unit(rng), g = unit(rng), b = unit(rng);
        const Hsl hsl = RGBtoHSL(r, g, b);
        const Color back = HSLtoRGB(hsl.h, hsl.s, hsl.l);
        // Hue is 0 for channels closer than 1e-5, so a near-grey can move by that much.
        ASSERT_NEAR(back.r, r, 1e-5f) << r << " " << g << " " << b;
        ASSERT_NEAR(back.g, g, 1e-5f) << r << " " << g << " " << b;
        ASSERT_NEAR(back.b, b, 1e-5f) << r << " " << g << " " << b;
    }
}

TEST(HueToChannel, Borders) {
    const float p = 0.2f, q = 0.9f;
    struct Case {
        float t, expected;
        const char* note;
    };
    const Case cases[] = {
        {0.0f, p, "start of the rising edge"},
        {1.0f / 12.0f, 0.55f, "middle of the rising edge"},
        {1.0f / 6.0f, q, "the single 1/6 is on the plateau"},
        {0.5f, q, "start of the falling edge"},
        {2.0f / 3.0f, p, "the single 2/3 is the end of the falling edge"},
        {1.0f, p, "1 wraps to 0"},
        {-0.25f, p, "negative positions wrap: -0.25 is 0.75"},
        {std::numeric_limits<float>::quiet_NaN(), p, "NaN fails every comparison"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_NEAR(HueToChannel(p, q, c.t), c.expected, kSixDigits);
    }
}

}  // namespace
}  // namespace veltrane
