// Floats compared bit for bit, so that -0 differs from 0 and NaNs are compared by payload and
// sign.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ios>

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

inline ::testing::AssertionResult SameBits(float actual, float expected) {
    if (Bits(actual) == Bits(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::hexfloat << actual << " (0x" << std::hex << Bits(actual) << ") instead of "
           << expected << " (0x" << Bits(expected) << ")";
}
