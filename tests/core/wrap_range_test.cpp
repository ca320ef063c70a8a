// WrapRange at its borders, on non-finite input and on huge magnitudes, against exact
// integer arithmetic.
#include "core/wrap_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "tests/core/core_test_util.h"

namespace veltrane {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kMax = std::numeric_limits<float>::max();
constexpr float kDenormMin = std::numeric_limits<float>::denorm_min();

float Up(float x) {
    return std::nextafter(x, kInf);
}
float Down(float x) {
    return std::nextafter(x, -kInf);
}

TEST(WrapRange, BordersAndEdges) {
    struct Case {
        float x, lo, hi, expected;
        const char* note;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 360.0f, 0.0f, "lo stays"},
        {360.0f, 0.0f, 360.0f, 0.0f, "hi becomes lo"},
        {Down(360.0f), 0.0f, 360.0f, Down(360.0f), "one ulp below hi stays"},
        {Up(360.0f), 0.0f, 360.0f, Up(360.0f) - 360.0f, "one ulp above hi: exact subtraction"},
        {-kDenormMin, 0.0f, 360.0f, 0.0f, "one ulp below lo: the double sum is hi, one more step"},
        {-1e-9f, 0.0f, 360.0f, 360.0f, "rounding to single gives hi"},
        {-1e-20f, 0.0f, 360.0f, 0.0f, "the double sum is hi already: one more step"},
        {-0.25f, 0.0f, 360.0f, 359.75f, "one width below"},
        {380.0f, 0.0f, 360.0f, 20.0f, "one width above"},
        {-360.0f, 0.0f, 360.0f, 0.0f, "exactly minus one width"},
        {720.5f, 0.0f, 360.0f, 0.5f, "two widths above"},
        {-1000.25f, 0.0f, 360.0f, 79.75f, "three widths below"},
        {1.0f, 0.0f, 1.0f, 0.0f, "unit range: 1 wraps to 0"},
        {1.25f, 0.0f, 1.0f, 0.25f, "unit range"},
        {-1.0f / 3.0f, 0.0f, 1.0f, static_cast<float>(1.0 - static_cast<double>(1.0f / 3.0f)),
         "unit range below"},
        {190.0f, -180.0f, 180.0f, -170.0f, "range around zero"},
        {5.0f, 10.0f, 0.0f, 5.0f, "lo > hi returns x"},
        {kInf, 10.0f, 0.0f, kInf, "lo > hi returns even infinity"},
        {kInf, 0.0f, 360.0f, 0.0f, "+inf gives lo"},
        {-kInf, 0.0f, 360.0f, 0.0f, "-inf gives lo"},
        {-kInf, -180.0f, 180.0f, -180.0f, "-inf gives lo, not 0"},
        {7.0f, 3.0f, 3.0f, 3.0f, "empty range gives lo"},
        {-7.0f, 3.0f, 3.0f, 3.0f, "empty range gives lo from below too"},
        {3.0f, 3.0f, 3.0f, 3.0f, "empty range at lo"},
        {kMax, -kMax, kMax, -kMax, "widest range: max is hi"},
        {-kMax, -kMax, kMax, -kMax, "widest range: lowest is lo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_TRUE(SameBits(WrapRange(c.x, c.lo, c.hi), c.expected))
            << c.x << " in [" << c.lo << ", " << c.hi << ")";
    }
}

TEST(WrapRange, NaNIsReturnedAsItIs) {
    for (std::uint32_t bits : {0x7fc00000u, 0xffc00000u, 0x7fc00123u, 0x7f800001u, 0xff812345u}) {
        const float nan = FromBits(bits);
        EXPECT_TRUE(SameBits(WrapRange(nan, 0.0f, 360.0f), nan));
        EXPECT_TRUE(SameBits(WrapRange(nan, 0.0f, 1.0f), nan));
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(SameBits(WrapRange(5.0f, nan, 1.0f), 5.0f)) << "a NaN bound leaves x";
    EXPECT_TRUE(SameBits(WrapRange(5.0f, 0.0f, nan), 5.0f)) << "a NaN bound leaves x";
}

// For a float x of at least 2^24, an integer mantissa * 2^exponent, x mod m in exact
// integer arithmetic.
std::uint64_t IntegerMod(float x, std::uint64_t m) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(static_cast<double>(x)), &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 24));
    exponent -= 24;
    std::uint64_t power = 1 % m;
    for (int i = 0; i < exponent; ++i) power = (power * 2) % m;
    return (mantissa % m) * power % m;
}

TEST(WrapRange, HugeMagnitudesAreReducedExactly) {
    const float huge[] = {1e30f,   -3e38f,  kMax,   -kMax,        16777216.0f, -16777216.0f,
                          1e10f,   -1e10f,  2e20f,  Down(-1e25f), 0x1p100f,    -0x1p127f,
                          3.3e38f, 1.7e38f, -5e37f, Up(1e28f)};
    for (float x : huge) {
        for (std::uint64_t width : {360u, 1u, 7u}) {
            const float w = static_cast<float>(width);
            const std::uint64_t mod = IntegerMod(x, width);
            const std::uint64_t expected = (x < 0.0f && mod != 0) ? width - mod : mod;
            EXPECT_TRUE(SameBits(WrapRange(x, 0.0f, w), static_cast<float>(expected)))
                << x << " mod " << width;
        }
    }
}

TEST(WrapRange, EveryFiniteInputLandsInRange) {
    // Random bit patterns reach every exponent; the result must lie in [lo, hi], hi only
    // through the final rounding of a value just below it.
    std::mt19937 rng(6502);
    const float ranges[][2] = {{0.0f, 360.0f},   {0.0f, 1.0f},     {-180.0f, 180.0f},
                               {1e30f, 2e30f},   {-3e38f, 1e-30f}, {kDenormMin, 4 * kDenormMin},
                               {5.0f, Up(5.0f)}, {-1.0f, 1e-38f}};
    for (const auto& range : ranges) {
        const float lo = range[0];
        const float hi = range[1];
        for (int i = 0; i < 20000; ++i) {
            const float x = FromBits(static_cast<std::uint32_t>(rng()));
            if (!std::isfinite(x)) continue;
            const float r = WrapRange(x, lo, hi);
            ASSERT_TRUE(r >= lo && r <= hi) << x << " in [" << lo << ", " << hi << ") gave " << r;
        }
    }
}

}  // namespace
}  // namespace veltrane
