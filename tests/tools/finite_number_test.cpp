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
        {"0.1879", true, 0.1879}, {"-1.5", true, -1.5},  {"7.", true, 7.0},
        {".5", true, 0.5},        {"2e-3", true, 2e-3},  {"1E+2", true, 100.0},
        {"", false, 0},           {"+1", false, 0},      {" 1", false, 0},
        {"1 ", false, 0},         {"0x10", false, 0},    {"inf", false, 0},
        {"nan", false, 0},        {"1e999", false, 0},   {"1e-400", false, 0},
        {"1e-310", true, 1e-310}, {"0e-999", true, 0.0}, {"1,5", false, 0},
        {"1e", false, 0},         {"--1", false, 0},     {"-", false, 0},
    };
    for (const Case& c : cases) {
        const auto value = FiniteNumber(c.text);
        EXPECT_EQ(value.has_value(), c.accepted) << "'" << c.text << "'";
        if (value && c.accepted) {
            EXPECT_EQ(*value, c.value) << "'" << c.text << "'";
        }
    }
}

// Random decimals over the whole exponent range, subnormals and underflow included: the
// same values as from_chars, and refused exactly where from_chars refuses.
TEST(FiniteNumber, AgreesWithFromChars) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 50000; ++i) {
        char text[48];
        const int digits = 1 + static_cast<int>(random() % 17);
        const int exponent = static_cast<int>(random() % 660) - 340;
        std::snprintf(text, sizeof text, "%s%.*fe%d", random() % 4 == 0 ? "-" : "", digits - 1,
                      static_cast<double>(random() % 1000000) / 100000.0, exponent);
        double expected = 0.0;
        const char* end = text + std::strlen(text);
        const auto parsed = std::from_chars(text, end, expected);
        const bool accepted = parsed.ec == std::errc() && parsed.ptr == end;
        const auto value = FiniteNumber(text);
        ASSERT_EQ(value.has_value(), accepted) << text;
        if (accepted) {
            ASSERT_EQ(*value, expected) << text;
        }
    }
}

}  // namespace
}  // namespace veltrane::tools
