// The core against a plain, line-by-line transcription of its formulas (single precision,
// double only in the two wrap steps and the falling hue edge, WrapRange as its two literal
// loops), bit for bit over random and edge inputs. This guards the fast paths: the in-range
// exit of WrapRange, its exact reduction of far values and the gamma = 1 shortcut.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "core/color_adjust.h"
#include "core/evaluation.h"
#include "core/fresnel.h"
#include "core/wrap_range.h"
#include "tests/core/core_test_util.h"

namespace veltrane {
namespace literal {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

float WrapRange(float x, float lo, float hi) {
    double xd = x;
    const double lod = lo;
    const double hid = hi;
    if (lod > hid) return x;
    if (std::isnan(xd)) return x;
    if (std::isinf(xd)) return lo;
    const double w = hid - lod;
    while (xd < lod) xd = xd + w;
    while (xd >= hid) xd = xd - w;
    return static_cast<float>(xd);
}

float FresnelConductor(float n, float k, float mu) {
    float t = k * k + n * n;
    float a = (n + n) * mu;
    float mu2 = mu * mu;
    float tmu2 = (t * mu) * mu;
    float num = (t - a) + mu2;
    float den = (a + t) + mu2;
    float rs = num / den;
    if (num == 0.0f && den == 0.0f) rs = 1.0f;  // one of two changes to the plain formula
    float rp = ((tmu2 - a) + 1.0f) / ((a + tmu2) + 1.0f);
    float r = (rs + rp) * 0.5f;
    if (std::isnan(r) && !std::isnan(n) && !std::isnan(k) && !std::isnan(mu)) r = 1.0f;  // overflow
    if (r > 1.0f) r = 1.0f;
    if (0.0f > r) r = 0.0f;
    return r;
}

void RGBtoHSL(float r, float g, float b, float& H, float& S, float& L) {
    float mx = r;
    if (g > mx) mx = g;
    if (b > mx) mx = b;
    float mn = r;
    if (g < mn) mn = g;
    if (b < mn) mn = b;
    L = (mx + mn) * 0.5f;
    if (0.0f > L) L = 0.0f;
    if (mn == mx || L == 0.0f) {
        S = 0.0f;
    } else if (L <= 0.5f) {
        S = (mx - mn) / (mx + mn);
    } else if (L <= 1.0f) {
        S = (mx - mn) / ((2.0f - mx) - mn);
    } else {
        S = (mn - mx) / ((2.0f - mx) - mn);
    }
    if (0.0f > S) S = 0.0f;
    float d = mx - mn;
    if (d < 1e-5f) {
        H = 0.0f;
    } else {
        float h;
        if (r == mx) {
            h = (g - b) / d;
        } else if (g == mx) {
            h = (b - r) / d + 2.0f;
        } else {
            h = (r - g) / d + 4.0f;
        }
        H = WrapRange(h * 60.0f, 0.0f, 360.0f);
    }
}

float HueToChannel(float p, float q, float t) {
    t = WrapRange(t, 0.0f, 1.0f);
    if (t < 1.0f / 6.0f) return ((q - p) * 6.0f) * t + p;
    if (t < 0.5f) return q;
    if (t < 2.0f / 3.0f) {
        float qp = q - p;
        double v = (double(qp) * (2.0 / 3.0 - double(t))) * 6.0 + double(p);
        return float(v);
    }
    return p;
}

void HSLtoRGB(float H, float S, float L, float& r, float& g, float& b) {
    float q;
    if (L <= 0.5f) {
        q = (S + 1.0f) * L;
    } else if (L <= 1.0f) {
        q = (L + S) - L * S;
    } else {
        q = (L - S) + L * S;
    }
    float p = (L + L) - q;
    float h = H / 360.0f;
    r = HueToChannel(p, q, h + 1.0f / 3.0f);
    g = HueToChannel(p, q, h);
    b = HueToChannel(p, q, h - 1.0f / 3.0f);
    if (r < 0.0f) r = 0.0f;
    if (g < 0.0f) g = 0.0f;
    if (b < 0.0f) b = 0.0f;
}

float Clamp01(float v) {
    if (v < 0.0f) return 0.0f;
    if (v > 1.0f) return 1.0f;
    return v;
}

AColor AdjustColor(AColor col, float hue, float sat, float gamma) {
    float H, S, L;
    RGBtoHSL(col.r, col.g, col.b, H, S, L);
    float H2 = WrapRange(H + hue, 0.0f, 360.0f);
    float S2 = sat / 100.0f + S;
    if (0.0f > S2) S2 = 0.0f;
    float r, g, b;
    HSLtoRGB(H2, S2, L, r, g, b);
    r = powf(r, gamma);
    g = powf(g, gamma);
    b = powf(b, gamma);
    return {Clamp01(r), Clamp01(g), Clamp01(b), Clamp01(col.a)};
}

AColor EvalReflectance(Point3 N, Point3 V, const ParamSnapshot& s) {
    float mu = std::fabs(-(V.x * N.x) - N.y * V.y - N.z * V.z);
    const bool finite = std::isfinite(N.x) && std::isfinite(N.y) && std::isfinite(N.z) &&
                        std::isfinite(V.x) && std::isfinite(V.y) && std::isfinite(V.z);
    if (std::isnan(mu) && finite) mu = kInfinity;  // the sum overflowed into inf - inf
    AColor f = {FresnelConductor(s.ior.nR, s.ior.kR, mu), FresnelConductor(s.ior.nG, s.ior.kG, mu),
                FresnelConductor(s.ior.nB, s.ior.kB, mu), 1.0f};
    return literal::AdjustColor(f, s.hue, s.sat, s.gamma);
}

}  // namespace literal

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kDenormMin = std::numeric_limits<float>::denorm_min();

// Draws from a uniform range most of the time and from a list of edge values otherwise.
class Sampler {
  public:
    explicit Sampler(unsigned seed) : rng(seed) {}

    float Draw(float lo, float hi, const std::vector<float>& edges, double edgeShare = 0.15) {
        if (!edges.empty() && std::bernoulli_distribution(edgeShare)(rng)) {
            return edges[std::uniform_int_distribution<std::size_t>(0, edges.size() - 1)(rng)];
        }
        return std::uniform_real_distribution<float>(lo, hi)(rng);
    }

    std::mt19937 rng;
};

TEST(LiteralTranscription, EvalReflectanceMatchesBitForBit) {
    Sampler s(20240611);
    const std::vector<float> nkEdges = {0.0f,  -0.0f, 1.0f,  kDenormMin, 1e-30f, 100.0f,
                                        1e30f, -1.0f, -0.3f, kNaN,       kInf,   1.5f};
    const std::vector<float> muEdges = {0.0f, -0.0f, 1.0f,  1e-30f, 2.0f,
                                        kNaN, kInf,  -0.5f, 1e-20f, 0.99999994f};
    const std::vector<float> hueEdges = {0.0f,    -0.0f, 180.0f, -180.0f, 360.0f,
                                         -360.0f, 1e-9f, -1e-9f, 1e6f,    -1e6f,
                                         719.5f,  kNaN,  kInf,   -kInf,   540.0f};
    const std::vector<float> satEdges = {0.0f,  -0.0f, 100.0f, -100.0f, 1e6f,
                                         -1e6f, kNaN,  kInf,   0.001f};
    const std::vector<float> gammaEdges = {1.0f,  1.0f, 1.0f, 0.05f, 20.0f, 0.0f,
                                           -1.0f, kNaN, kInf, 2.2f,  0.5f};

    int checked = 0;
    for (int i = 0; i < 300000; ++i) {
        ParamSnapshot p;
        const bool wide = i % 4 == 0;
        p.ior.nR = s.Draw(0.0f, wide ? 100.0f : 4.0f, nkEdges, 0.05);
        p.ior.nG = s.Draw(0.0f, wide ? 100.0f : 4.0f, nkEdges, 0.05);
        p.ior.nB = s.Draw(0.0f, wide ? 100.0f : 4.0f, nkEdges, 0.05);
        p.ior.kR = s.Draw(0.0f, wide ? 100.0f : 8.0f, nkEdges, 0.05);
        p.ior.kG = s.Draw(0.0f, wide ? 100.0f : 8.0f, nkEdges, 0.05);
        p.ior.kB = s.Draw(0.0f, wide ? 100.0f : 8.0f, nkEdges, 0.05);
        p.hue = s.Draw(-180.0f, 180.0f, hueEdges, wide ? 0.2 : 0.05);
        if (i % 16 == 1) p.hue = s.Draw(-5000.0f, 5000.0f, {});  // several widths away
        p.sat = s.Draw(-100.0f, 100.0f, satEdges, 0.1);
        p.gamma = s.Draw(0.05f, 20.0f, gammaEdges, 0.3);
        const float mu = s.Draw(0.0f, 1.0f, muEdges, 0.1);
        const Point3 n = {0.0f, 0.0f, 1.0f};
        const Point3 v = (i % 3 == 0)
                             ? Point3{s.Draw(-1, 1, {}), s.Draw(-1, 1, {}), s.Draw(-1, 1, {})}
                             : Point3{0.0f, 0.0f, -mu};

        const AColor expected = literal::EvalReflectance(n, v, p);
        const AColor actual = EvalReflectance(n, v, p);
        ASSERT_TRUE(SameBits(actual, expected))
            << "sample " << i << ": n " << p.ior.nR << " " << p.ior.nG << " " << p.ior.nB << " k "
            << p.ior.kR << " " << p.ior.kG << " " << p.ior.kB << " v " << v.x << " " << v.y << " "
            << v.z << " hue " << p.hue << " sat " << p.sat << " gamma " << p.gamma;
        ++checked;
    }
    EXPECT_EQ(checked, 300000);
}

TEST(LiteralTranscription, AdjustColorMatchesOutsideTheUnitCube) {
    // Colours from the Fresnel step lie in [0, 1]; the lightness-above-1 and negative-channel
    // branches only meet other inputs.
    Sampler s(77);
    for (int i = 0; i < 200000; ++i) {
        const AColor c = {s.Draw(-0.5f, 1.5f, {0, 1, -0.0f}), s.Draw(-0.5f, 1.5f, {0, 1}),
                          s.Draw(-0.5f, 1.5f, {0, 1}), s.Draw(-0.5f, 1.5f, {1}, 0.5)};
        const float hue = s.Draw(-400.0f, 400.0f, {0.0f});
        const float sat = s.Draw(-150.0f, 150.0f, {0.0f});
        const float gamma = s.Draw(0.0f, 5.0f, {1.0f}, 0.4);
        ASSERT_TRUE(
            SameBits(AdjustColor(c, hue, sat, gamma), literal::AdjustColor(c, hue, sat, gamma)))
            << c.r << " " << c.g << " " << c.b << " " << c.a << " " << hue << " " << sat << " "
            << gamma;
    }
}

TEST(LiteralTranscription, WrapRangeMatchesTheLoopsWithinAThousandWidths) {
    Sampler s(99);
    const float ranges[][2] = {{0.0f, 360.0f}, {0.0f, 1.0f}, {-180.0f, 180.0f}, {2.5f, 3.75f}};
    for (const auto& range : ranges) {
        const float lo = range[0];
        const float hi = range[1];
        const float w = hi - lo;
        for (int i = 0; i < 100000; ++i) {
            // Scale the spread so that every distance from one ulp to 1000 widths occurs.
            const float spread = w * std::ldexp(1.0f, static_cast<int>(s.rng() % 40) - 30);
            const float x =
                s.Draw(lo - std::min(spread, 1000 * w), hi + std::min(spread, 1000 * w), {});
            ASSERT_TRUE(SameBits(WrapRange(x, lo, hi), literal::WrapRange(x, lo, hi)))
                << x << " in [" << lo << ", " << hi << ")";
        }
    }
}

TEST(LiteralTranscription, NeutralGammaPassesNaNsAsPowfDoes) {
    // powf(x, 1) is x except for a NaN, whose sign it may flip; the gamma = 1 shortcut must
    // leave NaN channels to powf.
    const float negativeNaN = FromBits(0xffc00000u);
    for (float nan : {kNaN, negativeNaN}) {
        for (const AColor& c : {AColor{nan, 0.5f, 0.25f, 1.0f}, AColor{0.5f, nan, 0.25f, 1.0f},
                                AColor{0.5f, 0.25f, nan, 1.0f}, AColor{nan, nan, nan, nan}}) {
            for (float sat : {0.0f, 20.0f}) {
                ASSERT_TRUE(SameBits(AdjustColor(c, 0.0f, sat, 1.0f),
                                     literal::AdjustColor(c, 0.0f, sat, 1.0f)));
            }
        }
    }
}

TEST(LiteralTranscription, WrapsMatchAroundTheirSinglePrecisionShortcuts) {
    // Just below 0 the wraps of degrees and turns stay in single precision only while the
    // double sum is exact; every power of two down to the subnormals, and its neighbours,
    // crosses those bounds.
    for (int k = 0; k <= 149; ++k) {
        const float tiny = std::ldexp(1.0f, -k);
        for (float x : {-tiny, std::nextafter(-tiny, 0.0f), std::nextafter(-tiny, -1.0f)}) {
            ASSERT_TRUE(SameBits(HueToChannel(0.2f, 0.9f, x), literal::HueToChannel(0.2f, 0.9f, x)))
                << x;
            ASSERT_TRUE(SameBits(HueToChannel(0.2f, 0.9f, x + 1.0f),
                                 literal::HueToChannel(0.2f, 0.9f, x + 1.0f)))
                << x;
            // Grey takes the hue shift alone; red with a trace of blue has a hue just below 0.
            const AColor grey = {0.5f, 0.5f, 0.5f, 1.0f};
            ASSERT_TRUE(SameBits(AdjustColor(grey, x, 50.0f, 1.0f),
                                 literal::AdjustColor(grey, x, 50.0f, 1.0f)))
                << x;
            ASSERT_TRUE(SameBits(AdjustColor(grey, x * 360.0f, 50.0f, 1.0f),
                                 literal::AdjustColor(grey, x * 360.0f, 50.0f, 1.0f)))
                << x;
            const float b = -x;
            float h, sat, l;
            literal::RGBtoHSL(1.0f, 0.0f, b, h, sat, l);
            ASSERT_TRUE(SameBits(RGBtoHSL(1.0f, 0.0f, b).h, h)) << b;
        }
    }
}

}  // namespace
}  // namespace veltrane
