// The published spectral colours of measured metals, reproduced from the refractive-index
// database's files shipped in data/nk/ under their database pages. A missing file fails the
// case that needs it, naming the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/tools/spectral_fixtures.h"
#include "tools/metals/closed_form_deviation.h"
#include "tools/metals/spectral_colour.h"
#include "tools/metals/srgb.h"
#include "tools/metals/two_angle_fit.h"
#include "tools/veltrane/spectral_metal.h"

namespace veltrane::tools {
namespace {

struct Published {
    const char* what;
    const char* page;          // under the database's data folder
    Rgb f0;                    // linear sRGB head-on, or nothing (< 0)
    Rgb edge;                  // at mu = 1/7, or nothing
    std::array<int, 3> srgb8;  // or nothing (< 0)
};

// For test names and messages: the metal and source.
void PrintTo(const Published& p, std::ostream* os) {
    *os << p.what;
}

// Four decimals as published.
constexpr double kPublishedTolerance = 5.1e-5;

// The published colours convert XYZ with the plain Rec.709/D65 matrix; ours has its rows
// scaled so that the tables' D65 white gives exactly (1, 1, 1). Per channel, the plain
// matrix's colour is ours times the plain matrix's white.
Rgb PlainMatrixWhite(const CieTables& t) {
    const double m[3][3] = {{3.2409699, -1.5373832, -0.4986108},
                            {-0.9692436, 1.8759675, 0.0415551},
                            {0.0556301, -0.2039770, 1.0569715}};
    const Xyz white = SpectralXyz(t, std::vector<double>(t.ybar.size(), 1.0));
    Rgb rgb{};
    for (std::size_t c = 0; c < 3; ++c) {
        rgb[c] = m[c][0] * white[0] + m[c][1] * white[1] + m[c][2] * white[2];
    }
    return rgb;
}

TEST(PublishedColour, ThePlainMatrixWhiteIsNearlyButNotExactlyOne) {
    const Rgb white = PlainMatrixWhite(ShippedTables());
    const Rgb expected = {1.000043, 1.000015, 0.999727};
    for (std::size_t c = 0; c < 3; ++c) EXPECT_NEAR(white[c], expected[c], 1e-6) << c;
}

const Published kPublished[] = {
    {"gold_Johnson_Christy",
     "main/Au/nk/Johnson.yml",
     {1.0376, 0.7284, 0.3645},
     {0.9910, 0.8572, 0.6462},
     {-1, -1, -1}},
    {"copper_Johnson_Christy",
     "main/Cu/nk/Johnson.yml",
     {0.9318, 0.6227, 0.5222},
     {0.9459, 0.7549, 0.7022},
     {-1, -1, -1}},
    {"gold_Babar_Weaver",
     "main/Au/nk/Babar.yml",
     {1.0589, 0.7733, 0.3072},
     {-1, -1, -1},
     {-1, -1, -1}},
    {"titanium_Johnson_Christy",
     "main/Ti/nk/Johnson.yml",
     {-1, -1, -1},
     {-1, -1, -1},
     {206, 200, 194}},
};

// The table of a shipped database file, or nothing after a failure that names the file.
std::optional<NkTable> ShippedNk(const char* page) {
    const std::string path = ShippedFile(std::string("nk/") + page);
    if (!std::filesystem::is_regular_file(path)) {
        ADD_FAILURE() << path << " is missing: the data folder ships it, an unchanged copy of "
                      << "the refractive-index database's " << page;
        return std::nullopt;
    }
    NkParse parse = ParseNkFile(FileText(path), path);
    EXPECT_TRUE(parse.table) << parse.error;
    return parse.table;
}

class PublishedColour : public testing::TestWithParam<Published> {};

TEST_P(PublishedColour, IsReproducedFromTheDatabaseFile) {
    const Published& p = GetParam();
    const auto table = ShippedNk(p.page);
    ASSERT_TRUE(table) << p.what;
    const CieTables t = ShippedTables();
    const SpectralNkResult nk = ResampleNk(*table, t, p.page);
    ASSERT_TRUE(nk.nk) << nk.error;
    const Rgb f0 = SpectralColour(t, *nk.nk, 1.0);
    const Rgb edge = SpectralColour(t, *nk.nk, kEdgeFacing);
    const Rgb white = PlainMatrixWhite(t);
    for (std::size_t c = 0; c < 3; ++c) {
        if (p.f0[c] >= 0.0) {
            EXPECT_NEAR(f0[c] * white[c], p.f0[c], kPublishedTolerance) << c;
        }
        if (p.edge[c] >= 0.0) {
            EXPECT_NEAR(edge[c] * white[c], p.edge[c], kPublishedTolerance) << c;
        }
        if (p.srgb8[c] >= 0) {
            EXPECT_EQ(SrgbByte(f0[c]), p.srgb8[c]) << c;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Metals, PublishedColour, testing::ValuesIn(kPublished),
                         [](const testing::TestParamInfo<Published>& param) {
                             return std::string(param.param.what);
                         });

TEST(PublishedColour, GoldCutAt700NmMovesByLessThan1e4) {
    auto table = ShippedNk("main/Au/nk/Johnson.yml");
    ASSERT_TRUE(table);
    const CieTables t = ShippedTables();
    const Rgb whole = SpectralColour(t, *ResampleNk(*table, t, "gold").nk, 1.0);
    for (auto* curve : {&table->n, &table->k}) *curve = Cut(*curve, curve->front().wavelength, 0.7);
    const SpectralNkResult cut = ResampleNk(*table, t, "gold");
    ASSERT_TRUE(cut.nk) << cut.error;
    EXPECT_FALSE(cut.nk->heldRanges.empty());
    const Rgb shortened = SpectralColour(t, *cut.nk, 1.0);
    for (std::size_t c = 0; c < 3; ++c) EXPECT_NEAR(shortened[c], whole[c], 1e-4) << c;
}

TEST(PublishedColour, FittedCopperStaysNearItsSpectralCurve) {
    const auto table = ShippedNk("main/Cu/nk/Johnson.yml");
    ASSERT_TRUE(table);
    const CieTables t = ShippedTables();
    const SpectralMetal copper = IntegrateMetal(*table, t, "copper");
    const auto sweep = SpectralSweep(t, copper.nk);
    for (std::size_t c = 0; c < 3; ++c) {
        const float n = static_cast<float>(copper.fit[c].n);
        const float k = static_cast<float>(copper.fit[c].k);
        EXPECT_LT(DeviationFrom(n, k, sweep[c]).largest, 0.0065) << c;
    }
}

}  // namespace
}  // namespace veltrane::tools
