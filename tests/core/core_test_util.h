// Helpers shared by the shading-core tests: bit comparison and printing of the value types.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <tuple>

#include "core/types.h"

namespace veltrane {

inline std::uint32_t Bits(float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

inline float FromBits(std::uint32_t u) {
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f;
}

/// Bit-for-bit equality, so that -0 differs from 0 and NaNs are compared by payload and sign.
inline ::testing::AssertionResult SameBits(float actual, float expected) {
    if (Bits(actual) == Bits(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::hexfloat << actual << " (0x" << std::hex << Bits(actual) << ") instead of "
           << expected << " (0x" << Bits(expected) << ")";
}

inline ::testing::AssertionResult SameBits(const AColor& actual, const AColor& expected) {
    for (auto [x, e, name] : {std::tuple{actual.r, expected.r, "r"},
                              {actual.g, expected.g, "g"},
                              {actual.b, expected.b, "b"},
                              {actual.a, expected.a, "a"}}) {
        if (auto same = SameBits(x, e); !same) return same << " in " << name;
    }
    return ::testing::AssertionSuccess();
}

// Float results in [0, 1] against reference values given to about six digits.
constexpr float kSixDigits = 1e-6f;

inline void PrintTo(const AColor& c, std::ostream* os) {
    *os << "(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

inline void PrintTo(const Color& c, std::ostream* os) {
    *os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

inline void ExpectNear(const AColor& actual, const AColor& expected, float tolerance) {
    EXPECT_NEAR(actual.r, expected.r, tolerance);
    EXPECT_NEAR(actual.g, expected.g, tolerance);
    EXPECT_NEAR(actual.b, expected.b, tolerance);
    EXPECT_NEAR(actual.a, expected.a, tolerance);
}

}  // namespace veltrane
