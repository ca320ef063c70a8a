// The shortest text of a float and fixed decimals: what every command prints for a value.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "tools/veltrane/number_parsing.h"
#include "tools/veltrane/number_text.h"

namespace veltrane::tools {
namespace {

TEST(ShortestText, IsTheShortestTextThatReadsBack) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {180.00001f, "180.00002"},  // the float nearest 180.00001, not 180
        {0.05f, "0.05"},
        {0.1000001f, "0.1000001"},
        {100.0f, "100"},
        {-0.0f, "-0"},
        {1e-5f, "1e-05"},
        {3.4028235e38f, "3.4028235e+38"},
        {inf, "inf"},
        {-inf, "-inf"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortestText(c.value), c.text) << c.text;
    EXPECT_EQ(ShortestText(std::numeric_limits<float>::quiet_NaN()), "nan");
}

TEST(ShortestText, ReadsBackToTheSameBitsAcrossTheRange) {
    for (float x = 1e-30f; x < 1e30f; x *= 1.37f) {
        for (float v : {x, std::nextafter(x, 0.0f), -x}) {
            const auto back = ParseFloat(ShortestText(v));
            ASSERT_TRUE(back) << ShortestText(v);
            ASSERT_EQ(std::memcmp(&*back, &v, sizeof v), 0) << ShortestText(v);
        }
    }
}

TEST(FixedText, GivesTheDecimalsAsked) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{0.95, 6, "0.950000"},
                 {0.9671024, 6, "0.967102"},
                 {0.5, 3, "0.500"},
                 {1.0, 0, "1"},
                 {-0.0000004, 6, "-0.000000"}};
    for (const auto& c : cases) EXPECT_EQ(FixedText(c.value, c.decimals), c.text) << c.text;
}

}  // namespace
}  // namespace veltrane::tools
