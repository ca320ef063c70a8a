// Helpers shared by the shading-core tests: bit comparison and printing of the value types.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <tuple>

#include "core/types.h"
#include "tests/support/bits.h"

namespace veltrane {

// The colour overload below would hide the float one.
using ::SameBits;

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
