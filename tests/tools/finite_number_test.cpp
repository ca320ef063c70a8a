// The numbers of the data files: what a field reads as, against the standard library's own
// conversion.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "tools/metals/finite_number.h"

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

}  // namespace
}  // namespace veltrane::tools
