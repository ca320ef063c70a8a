// The number texts the data files and the scripts hold: what a data field reads as, and the
// shortest decimal a float is written as, against the standard library's own conversions.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "tools/metals/finite_number.h"
#include "tools/veltrane/maxscript_snippet.h"

namespace veltrane::tools {
namespace {

TEST(FiniteNumber, ReadsPlainDecimalsAndRefusesEverythingElse) {
    struct Case {
        const char* text;
        bool accepted;
        double value;
    };
    const Case cases[] = {
        {"0.1879", true, 0.1879}, {"-1.5", true, -1.5},  {"7.", true, 7.0},  {".5", true, 0.5},
        {"2e-3", true, 2e-3},     {"1E+2", true, 100.0}, {"", false, 0},     {"+1", false, 0},
        {" 1", false, 0},         {"1 ", false, 0},      {"0x10", false, 0}, {"inf", false, 0},
        {"nan", false, 0},        {"1e999", false, 0},   {"1,5", false, 0},  {"1e", false, 0},
        {"--1", false, 0},        {"-", false, 0},
    };
    for (const Case& c : cases) {
        const auto value = FiniteNumber(c.text);
        EXPECT_EQ(value.has_value(), c.accepted) << "'" << c.text << "'";
        if (value && c.accepted) {
            EXPECT_EQ(*value, c.value) << "'" << c.text << "'";
        }
    }
}

TEST(FiniteNumber, RoundsAsFromCharsDoes) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        char text[40];
        std::snprintf(
            text, sizeof text, "%.*g", 1 + static_cast<int>(random() % 17),
            std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 80)));
        double expected = 0.0;
        std::from_chars(text, text + std::strlen(text), expected);
        const auto value = FiniteNumber(text);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(*value, expected) << text;
    }
}

TEST(ShortestDecimal, WritesTheShortestDigitsWithoutAnExponent) {
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {0.27105f, "0.27105"},
        {1.0f, "1"},
        {100.0f, "100"},
        {1e-5f, "0.00001"},
        {1.25e-7f, "0.000000125"},
        {-0.0f, "-0"},
        {123456792.0f, "123456792"},
        {1e20f, "100000002004087734272"},
        {-3.5f, "-3.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortestDecimal(c.value), c.text) << c.value;
}

TEST(ShortestDecimal, AgreesWithToCharsFixedOnRandomFloats) {
    std::mt19937 random(11);
    for (int i = 0; i < 200000; ++i) {
        const auto bits = static_cast<std::uint32_t>(random());
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        char text[128];
        const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
        ASSERT_EQ(ShortestDecimal(value), std::string(text, end.ptr)) << value;
    }
}

}  // namespace
}  // namespace veltrane::tools
