// The metal table against the database files it names: every metal's file is shipped, and
// where its values differ from the file's point samples the difference is a known one.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/tools/spectral_fixtures.h"
#include "tools/metals/metal_table.h"
#include "tools/metals/nk_file.h"
#include "tools/metals/spectral_colour.h"
#include "tools/metals/two_angle_fit.h"
#include "tools/veltrane/point_sample_notes.h"

namespace veltrane::tools {
namespace {

// The parameters of each metal whose value is not its file's point sample at the digits
// written. Only presets are here: the plug-in keeps its values, and `presets` names these.
const std::map<std::string, std::set<std::string>> kKnownDifferences = {
    {"aluminium", {"n red", "n green", "n blue", "k red", "k green", "k blue"}},
    {"chromium", {"n red", "n blue", "k red", "k green", "k blue"}},
    {"copper", {"n green", "n blue"}},
    {"nickel", {"n blue", "k blue"}},
    {"platinum", {"k red", "k blue"}},
};

TEST(ShippedMetals, EveryMetalsFileIsShippedAndGivesItsValuesOrAKnownDifference) {
    for (const Metal& metal : Metals()) {
        const std::string name(metal.name);
        const std::string path = ShippedFile("nk/" + std::string(metal.page));
        if (!std::filesystem::is_regular_file(path)) {
            ADD_FAILURE() << name << ": " << path << " is missing";
            continue;
        }
        const NkParse parse = ParseNkFile(FileText(path), path);
        ASSERT_TRUE(parse.table) << parse.error;
        std::set<std::string> differing;
        for (const SampleDifference& d : DifferencesFromFile(metal, *parse.table)) {
            differing.insert(d.parameter);
        }
        const auto known = kKnownDifferences.find(name);
        EXPECT_EQ(differing,
                  known == kKnownDifferences.end() ? std::set<std::string>{} : known->second)
            << name;
        if (metal.presetIndex == 0) {
            EXPECT_TRUE(differing.empty()) << name;
        }
    }
}

// Holding the end values beyond 400 and 700 nm, as for data that ends there, moves the colour
// of every shipped file that covers more by less than 5e-5, head-on and at the edge.
TEST(ShippedMetals, HoldingTheEndsBeyondTheVisibleRangeMovesNoColourBy5e5) {
    const CieTables t = ShippedTables();
    for (const Metal& metal : Metals()) {
        const std::string path = ShippedFile("nk/" + std::string(metal.page));
        const NkParse parse = ParseNkFile(FileText(path), path);
        ASSERT_TRUE(parse.table) << parse.error;
        const SpectralNkResult whole = ResampleNk(*parse.table, t, path);
        if (!whole.nk) continue;  // lead: its data starts at 450 nm
        const NkTable cut{Cut(parse.table->n, 0.4, 0.7), Cut(parse.table->k, 0.4, 0.7)};
        const SpectralNkResult held = ResampleNk(cut, t, path);
        ASSERT_TRUE(held.nk) << held.error;
        for (double mu : {1.0, kEdgeFacing}) {
            const Rgb a = SpectralColour(t, *whole.nk, mu);
            const Rgb b = SpectralColour(t, *held.nk, mu);
            for (std::size_t c = 0; c < 3; ++c) EXPECT_NEAR(a[c], b[c], 5e-5) << metal.name;
        }
    }
}

// The differences of a metal whose red n is `value`, its other values the file's, from a file
// whose n is `file` from `first` to 0.7 um.
std::vector<SampleDifference> RedNAgainst(float value, double file, double first = 0.4) {
    const float f = static_cast<float>(file);
    const Metal metal{"test", "Test", 0, {value, f, f, 2.0f, 2.0f, 2.0f}, "", ""};
    return DifferencesFromFile(metal, {{{first, file}, {0.7, file}}, {{0.4, 2.0}, {0.7, 2.0}}});
}

TEST(ShippedMetals, ValuesAgreeWithTheirFileToTheDigitsWritten) {
    struct Case {
        const char* what;
        float value;
        double file;
        bool differs;
    };
    const Case cases[] = {
        {"five digits, trailing zeros not written", 0.615f, 0.614997, false},
        {"exactly halfway, rounded up", 3.6092f, 3.60925, false},
        {"exactly halfway, rounded down", 3.6093f, 3.60925, false},
        {"a short value, equal", 1.6f, 1.6, false},
        {"six digits written, within their rounding", 0.049517f, 0.0495165, false},
        {"six digits written, off in the sixth", 0.049517f, 0.049518, true},
        {"fifth digit off by 5", 0.97907f, 0.979022, true},
        {"a short value, off in the fifth digit", 2.219f, 2.21906, true},
        {"off in the fourth digit", 1.3424f, 1.34563, true},
    };
    for (const Case& c : cases) {
        const auto red = RedNAgainst(c.value, c.file);
        ASSERT_EQ(red.size(), c.differs ? 1u : 0u) << c.what;
        if (!red.empty()) {
            EXPECT_EQ(red[0].value, c.value) << c.what;
            EXPECT_EQ(red[0].file, c.file) << c.what;
        }
    }
}

TEST(ShippedMetals, AWavelengthOutsideTheFileIsADifferenceWithoutAFileValue) {
    const auto outside = RedNAgainst(1.0f, 1.0, 0.66);  // n starts past every channel
    ASSERT_EQ(outside.size(), 3u);
    EXPECT_FALSE(outside[0].file);
    EXPECT_EQ(DescribeDifference(outside[0]), "n red 1 (outside the file's data)");
    EXPECT_EQ(DescribeDifference({"k blue", 3.281f, 3.28094}), "k blue 3.281 (file 3.28094)");
}

}  // namespace
}  // namespace veltrane::tools
