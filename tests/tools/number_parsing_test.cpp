// Number parsing of the tool: what counts as a number, and correct rounding against strtof.
#include "tools/veltrane/number_parsing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "tests/support/bits.h"

namespace veltrane::tools {
namespace {

TEST(ParseFloat, AcceptsNumbersInTheirUsualSpellings) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* text;
        float expected;
    };
    const Case cases[] = {
        {"1", 1.0f},
        {"+1.5", 1.5f},
        {"-0", -0.0f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"1e3", 1000.0f},
        {"2.5E-1", 0.25f},
        {"0.27105", 0.27105f},
        {"inf", kInf},
        {"-INF", -kInf},
        {"Infinity", kInf},
        {"+inf", kInf},
        {"1e50", kInf},
        {"-1e50", -kInf},
        {"1e-50", 0.0f},
        {"-1e-50", -0.0f},
        {"1.4e-45", std::numeric_limits<float>::denorm_min()},
        {"3.4028235e38", std::numeric_limits<float>::max()},
        {"3.4028235677e38", std::numeric_limits<float>::max()},  // just below the halfway point
        {"3.4028236e38", kInf},                                  // just above it: overflow
    };
    for (const Case& c : cases) {
        const auto value = ParseFloat(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(Bits(*value), Bits(c.expected)) << c.text;
    }
    for (const char* nan : {"nan", "NaN", "-nan", "+NAN", "nan(123)"}) {
        const auto value = ParseFloat(nan);
        ASSERT_TRUE(value.has_value()) << nan;
        EXPECT_TRUE(std::isnan(*value)) << nan;
    }
}

TEST(ParseFloat, RejectsEverythingElse) {
    for (const char* text : {"", "+", "-", "+-1", "++1", "-+1", "1e", "1e+", "0x10", " 1", "1 ",
                             "1,2", "abc", "in", "1.2.3", "--1", "1f", "nanx", "\t1"}) {
        EXPECT_FALSE(ParseFloat(text).has_value()) << "'" << text << "'";
    }
}

TEST(ParseFloat, RoundsLikeStrtof) {
    // Random decimals of up to 20 digits across the whole exponent range, halfway cases
    // included by the length of the mantissa.
    std::mt19937 rng(2718);
    for (int i = 0; i < 100000; ++i) {
        std::string text = (rng() % 2) ? "-" : "";
        const int digits = 1 + static_cast<int>(rng() % 20);
        for (int d = 0; d < digits; ++d) {
            text += static_cast<char>('0' + rng() % 10);
            if (d == 0) text += '.';
        }
        text += "e" + std::to_string(static_cast<int>(rng() % 100) - 55);
        const auto value = ParseFloat(text);
        ASSERT_TRUE(value.has_value()) << text;
        ASSERT_EQ(Bits(*value), Bits(std::strtof(text.c_str(), nullptr))) << text;
    }
}

TEST(ParseFloat, RoundsPrintedFloatsAndHalfwayCasesLikeStrtof) {
    // Batch input is mostly floats printed with up to 9 digits, which the parser reads
    // without from_chars; halfway cases between two floats must still round to even.
    std::mt19937 rng(8128);
    std::vector<std::string> texts = {
        "16777217", "16777219",      "1.6777217e7",  "33554434",         "33554438",
        "0.5e-37",  "1.1754944e-38", "3.4028234e38", "9007199254740993", "1e22",
        "1e23",     "4.4e-22",       "1.00000006",   "0.999999970198",   "-0.0",
        "000.000",  "1.e5"};
    for (int i = 0; i < 200000; ++i) {
        const float f = FromBits(static_cast<std::uint32_t>(rng()));
        if (!std::isfinite(f)) continue;
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", 1 + static_cast<int>(rng() % 17),
                      static_cast<double>(f));
        texts.emplace_back(text);
        // Halfway between f and its upper neighbour, printed exactly enough to matter.
        const double half = (static_cast<double>(f) +
                             static_cast<double>(std::nextafter(f, f < 0 ? -1e38f : 1e38f))) /
                            2;
        std::snprintf(text, sizeof text, "%.17g", half);
        texts.emplace_back(text);
    }
    for (const std::string& text : texts) {
        const auto value = ParseFloat(text);
        ASSERT_TRUE(value.has_value()) << text;
        ASSERT_EQ(Bits(*value), Bits(std::strtof(text.c_str(), nullptr))) << text;
    }
}

TEST(ParseTriple, ReadsThreeCommaSeparatedNumbers) {
    const auto values = ParseTriple("0.27105,+1e-3,-2");
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ((*values)[0], 0.27105f);
    EXPECT_EQ((*values)[1], 1e-3f);
    EXPECT_EQ((*values)[2], -2.0f);
    for (const char* text : {"1,2", "1,2,3,4", "1,,3", ",1,2", "1,2,", "1, 2,3", "", "a,b,c"}) {
        EXPECT_FALSE(ParseTriple(text).has_value()) << "'" << text << "'";
    }
}

}  // namespace
}  // namespace veltrane::tools
