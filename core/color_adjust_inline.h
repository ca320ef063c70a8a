// The bodies of the colour adjustment, inline for the per-sample path (EvalReflectance);
// color_adjust.h declares the public functions, which wrap these.
#pragma once

#include <algorithm>
#include <cmath>

#include "core/color_adjust.h"
#include "core/force_inline.h"
#include "core/wrap_range.h"

namespace veltrane::detail {

inline constexpr float kHueThreshold = 1e-5f;
inline constexpr float kOneThird = 1.0f / 3.0f;
inline constexpr float kOneSixth = 1.0f / 6.0f;
inline constexpr float kTwoThirds = 2.0f / 3.0f;
inline constexpr double kTwoThirdsDouble = 2.0 / 3.0;

// WrapRange(x, 0, width) for the two periods used here, staying in single precision where
// that gives the same float: one width above, x - width is exact (Sterbenz); one width
// below, x + width is exact in double once |x| >= exactFrom, so rounding it once to single
// is what the double round trip does. Everything else, tiny negatives included (whose
// double sum can round up to width and wrap once more), takes the general path.
VELTRANE_FORCE_INLINE float WrapPeriod(float x, float width, float exactFrom) {
    if (x >= 0.0f && x < width) return x;
    if (x < -exactFrom && x >= -width) return x + width;
    if (x >= width && x < width + width) return x - width;
    return WrapRange(x, 0.0f, width);
}

// 2^-21: below it a float has bits under 2^-44, and 360 + x needs more than 53 bits.
inline constexpr float kDegreesExactFrom = 0x1p-21f;
// 2^-29, the same bound for a period of 1.
inline constexpr float kTurnsExactFrom = 0x1p-29f;

VELTRANE_FORCE_INLINE float WrapDegrees(float x) {
    return WrapPeriod(x, 360.0f, kDegreesExactFrom);
}
VELTRANE_FORCE_INLINE float WrapTurns(float x) {
    return WrapPeriod(x, 1.0f, kTurnsExactFrom);
}

VELTRANE_FORCE_INLINE Hsl ToHsl(float r, float g, float b) {
    const float mx = std::max(std::max(r, g), b);
    const float mn = std::min(std::min(r, g), b);

    Hsl hsl;
    hsl.l = (mx + mn) * 0.5f;
    if (0.0f > hsl.l) hsl.l = 0.0f;

    if (mn == mx || hsl.l == 0.0f) {
        hsl.s = 0.0f;
    } else if (hsl.l <= 0.5f) {
        hsl.s = (mx - mn) / (mx + mn);
    } else if (hsl.l <= 1.0f) {
        hsl.s = (mx - mn) / ((2.0f - mx) - mn);
    } else {
        hsl.s = (mn - mx) / ((2.0f - mx) - mn);
    }
    if (0.0f > hsl.s) hsl.s = 0.0f;

    const float d = mx - mn;
    if (d < kHueThreshold) {
        hsl.h = 0.0f;
    } else {
        float h;
        if (r == mx) {
            h = (g - b) / d;
        } else if (g == mx) {
            h = (b - r) / d + 2.0f;
        } else {
            h = (r - g) / d + 4.0f;
        }
        hsl.h = WrapDegrees(h * 60.0f);
    }
    return hsl;
}

VELTRANE_FORCE_INLINE float HueRamp(float p, float q, float t) {
    t = WrapTurns(t);
    if (t < kOneSixth) return ((q - p) * 6.0f) * t + p;
    if (t < 0.5f) return q;
    if (t < kTwoThirds) {
        // The falling edge is evaluated in double precision.
        const float qp = q - p;
        const double v =
            (static_cast<double>(qp) * (kTwoThirdsDouble - static_cast<double>(t))) * 6.0 +
            static_cast<double>(p);
        return static_cast<float>(v);
    }
    return p;
}

VELTRANE_FORCE_INLINE Color FromHsl(float h, float s, float l) {
    float q;
    if (l <= 0.5f) {
        q = (s + 1.0f) * l;
    } else if (l <= 1.0f) {
        q = (l + s) - l * s;
    } else {
        q = (l - s) + l * s;
    }
    const float p = (l + l) - q;
    const float hTurns = h / 360.0f;

    Color c;
    c.r = HueRamp(p, q, hTurns + kOneThird);
    c.g = HueRamp(p, q, hTurns);
    c.b = HueRamp(p, q, hTurns - kOneThird);
    if (c.r < 0.0f) c.r = 0.0f;
    if (c.g < 0.0f) c.g = 0.0f;
    if (c.b < 0.0f) c.b = 0.0f;
    return c;
}

VELTRANE_FORCE_INLINE AColor AdjustColorInline(const AColor& col, float hue, float sat,
                                               float gamma) {
    const Hsl hsl = ToHsl(col.r, col.g, col.b);
    const float h = WrapDegrees(hsl.h + hue);
    // S is +0 or more (or NaN), never -0, so adding a zero change gives S back exactly;
    // skipping it saves a neutral sample a division.
    float s = sat == 0.0f ? hsl.s : sat / 100.0f + hsl.s;
    if (0.0f > s) s = 0.0f;
    const Color rgb = FromHsl(h, s, hsl.l);

    AColor out;
    if (gamma == 1.0f && !std::isnan(rgb.r + rgb.g + rgb.b)) {
        // powf(x, 1) is x for every x but a NaN, whose sign powf may flip; a sum is NaN
        // when a channel is (or when they are opposite infinities, which HSLtoRGB never
        // returns, its channels being >= 0 or NaN).
        out.r = rgb.r;
        out.g = rgb.g;
        out.b = rgb.b;
    } else {
        out.r = std::pow(rgb.r, gamma);
        out.g = std::pow(rgb.g, gamma);
        out.b = std::pow(rgb.b, gamma);
    }
    out.a = col.a;
    out.ClampMinMax();
    return out;
}

}  // namespace veltrane::detail
