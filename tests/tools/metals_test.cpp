// The tools' metal library: the exact Fresnel reference against the textbook complex
// formulas, the one metal table, the artist mapping both ways and the sRGB encoding.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <set>
#include <string>

#include "core/presets.h"
#include "tests/support/bits.h"
#include "tools/metals/artist_mapping.h"
#include "tools/metals/closed_form_deviation.h"
#include "tools/metals/exact_fresnel.h"
#include "tools/metals/metal_table.h"
#include "tools/metals/srgb.h"

namespace veltrane::tools {
namespace {

// Fresnel's equations as textbooks write them, with complex cosines and Snell's law; slow
// and less accurate, which is why the library does not use them, but independent.
double FresnelWithStdComplex(double n, double k, double mu) {
    using C = std::complex<double>;
    const C eta(n, k);
    const C cosT = std::sqrt(C(1.0) - (1.0 - mu * mu) / (eta * eta));
    const C rs = (mu - eta * cosT) / (mu + eta * cosT);
    const C rp = (eta * mu - cosT) / (eta * mu + cosT);
    return 0.5 * (std::norm(rs) + std::norm(rp));
}

TEST(ExactFresnel, AgreesWithTheComplexFormulasOverMetalsAndDielectrics) {
    const double ns[] = {0.05, 0.27, 0.8, 1.0, 1.5, 2.4, 3.5};
    const double ks[] = {0.0, 0.3, 1.0, 2.4, 3.6, 7.5};
    for (double n : ns) {
        for (double k : ks) {
            if (n == 1.0 && k == 0.0) continue;  // no interface: 0/0 at grazing view
            for (int step = 0; step < kSweepSteps; step += 7) {
                const double mu = SweepFacing(step);
                EXPECT_NEAR(ExactConductorReflectance(n, k, mu), FresnelWithStdComplex(n, k, mu),
                            1e-9)
                    << "n " << n << " k " << k << " mu " << mu;
            }
        }
    }
}

TEST(ExactFresnel, KnownValues) {
    struct Case {
        const char* what;
        double n, k, mu, expected;
    };
    const double brewster = 1.0 / std::sqrt(1.0 + 1.5 * 1.5);  // tan(theta) = n
    const double rsAtBrewster =
        std::pow((brewster - 1.5 * 1.5 * brewster) / (brewster + 1.5 * 1.5 * brewster),
                 2.0);  // cos(theta_t) = n cos(theta) there
    const Case cases[] = {
        {"glass head-on", 1.5, 0.0, 1.0, 0.04},
        {"glass at Brewster's angle: p term 0", 1.5, 0.0, brewster, rsAtBrewster / 2.0},
        {"glass at grazing view", 1.5, 0.0, 0.0, 1.0},
        {"total reflection beyond the critical angle", 0.5, 0.0, 0.5, 1.0},
        {"copper red head-on", 0.27105, 3.6092, 1.0,
         (0.72895 * 0.72895 + 3.6092 * 3.6092) / (1.27105 * 1.27105 + 3.6092 * 3.6092)},
        {"no interface head-on", 1.0, 0.0, 1.0, 0.0},
        {"no interface at grazing view takes the limit", 1.0, 0.0, 0.0, 1.0},
        {"a huge n takes the limit, not inf / inf", 1e200, 0.0, 0.5, 1.0},
        {"huge n and k take the limit", 1e160, 1e160, 1.0, 1.0},
        {"a huge k at grazing view", 0.0, 1e300, 0.0, 1.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ExactConductorReflectance(c.n, c.k, c.mu), c.expected, 1e-12) << c.what;
    }
}

TEST(MetalTable, TheTenPresetsAreTheCoresRowsUnchanged) {
    const auto& metals = Metals();
    ASSERT_GE(metals.size(), kMetalPresets.size());
    for (std::size_t i = 0; i < kMetalPresets.size(); ++i) {
        const ComplexIOR& a = metals[i].ior;
        const ComplexIOR& b = kMetalPresets[i].ior;
        EXPECT_EQ(metals[i].presetIndex, kMetalPresets[i].index);
        const float ours[6] = {a.nR, a.nG, a.nB, a.kR, a.kG, a.kB};
        const float core[6] = {b.nR, b.nG, b.nB, b.kR, b.kG, b.kB};
        for (int j = 0; j < 6; ++j) EXPECT_TRUE(SameBits(ours[j], core[j])) << metals[i].name;
    }
}

TEST(MetalTable, FurtherMetalsHoldTheirPublishedValues) {
    struct Row {
        const char* name;
        const char* values[6];
    };
    const Row rows[] = {
        {"brass-cu70zn30", {"0.444", "0.639", "0.858", "3.695", "2.358", "2.0015"}},
        {"brass-cu85zn15", {"0.390", "0.687", "0.842", "3.187", "2.027", "1.849"}},
        {"tungsten", {"3.6518", "3.4231", "3.3550", "2.7955", "2.7071", "2.6485"}},
        {"palladium", {"1.7893", "1.5480", "1.4696", "4.3750", "3.6184", "3.4140"}},
        {"mercury", {"2.0733", "1.3505", "1.1773", "5.3383", "4.3536", "4.0741"}},
        {"lead", {"1.91", "1.74", "1.60", "3.51", "3.31", "3.24"}},
        {"stainless-steel", {"2.4401", "1.8992", "1.7733", "4.1820", "3.4541", "3.2646"}},
        {"rhodium", {"2.1936", "1.8936", "1.8446", "5.7401", "4.7386", "4.5436"}},
        {"iridium", {"2.5310", "1.9690", "1.8300", "5.2340", "4.4510", "4.1795"}},
        {"beryllium", {"3.4132", "3.2378", "3.1523", "3.1971", "3.1250", "3.1238"}},
        {"molybdenum", {"3.45", "3.178", "2.95", "3.67", "3.734", "3.64"}},
        {"bismuth", {"2.3338", "1.9081", "1.7868", "3.2150", "2.7189", "2.5688"}},
    };
    ASSERT_EQ(Metals().size(), kMetalPresets.size() + std::size(rows));
    for (const Row& row : rows) {
        const Metal* metal = FindMetal(row.name);
        ASSERT_NE(metal, nullptr) << row.name;
        EXPECT_EQ(metal->presetIndex, 0) << row.name;
        const ComplexIOR& a = metal->ior;
        const float ours[6] = {a.nR, a.nG, a.nB, a.kR, a.kG, a.kB};
        for (int j = 0; j < 6; ++j) {
            EXPECT_TRUE(SameBits(ours[j], std::strtof(row.values[j], nullptr))) << row.name;
        }
    }
}

TEST(MetalTable, EveryMetalHasAUniqueNameASourceAndStaysWithinTheClosedFormBound) {
    std::set<std::string_view> names;
    for (const Metal& metal : Metals()) {
        EXPECT_TRUE(names.insert(metal.name).second) << metal.name;
        EXPECT_FALSE(metal.displayName.empty()) << metal.name;
        EXPECT_FALSE(metal.source.empty()) << metal.name;
        EXPECT_NE(metal.page.find(".yml"), std::string_view::npos) << metal.name;
        const ComplexIOR& ior = metal.ior;
        const float n[3] = {ior.nR, ior.nG, ior.nB};
        const float k[3] = {ior.kR, ior.kG, ior.kB};
        for (int c = 0; c < 3; ++c) {
            EXPECT_LT(ClosedFormDeviation(n[c], k[c]).largest, 0.007) << metal.name << " " << c;
        }
    }
    EXPECT_EQ(FindMetal("zinc"), nullptr);
}

TEST(ArtistMapping, RoundTripsEveryMetalAndAGridOfIndices) {
    std::vector<std::pair<double, double>> channels;
    for (const Metal& metal : Metals()) {
        const ComplexIOR& i = metal.ior;
        channels.insert(channels.end(), {{i.nR, i.kR}, {i.nG, i.kG}, {i.nB, i.kB}});
    }
    for (double n : {0.05, 0.3, 1.0, 1.7, 3.0, 6.0}) {
        for (double k : {0.0, 0.5, 2.0, 5.0, 9.0}) channels.emplace_back(n, k);
    }
    for (const auto& [n, k] : channels) {
        const ArtistChannel artist = ArtistFromIor(n, k);
        ASSERT_FALSE(artist.reflectivityClamped) << n << " " << k;
        const IorChannel back = IorFromArtist(artist.reflectivity, artist.edgeTint);
        EXPECT_NEAR(back.n, n, 1e-9 * (1.0 + n)) << n << " " << k;
        EXPECT_NEAR(back.k, k, 1e-6 * (1.0 + k)) << n << " " << k;
        EXPECT_FALSE(back.reflectivityClamped);
    }
}

TEST(ArtistMapping, KnownValuesAndThePole) {
    struct Case {
        const char* what;
        double r, g;
        double n, k;
        bool clamped;
    };
    const Case cases[] = {
        {"black, any tint: n 1, k 0", 0.0, 0.5, 1.0, 0.0, false},
        {"tint 0 is the k = 0 end: n = (1 + sqrt r) / (1 - sqrt r)", 0.25, 0.0, 3.0, 0.0, false},
        {"tint 1 is n = (1 - r) / (1 + r)", 0.6, 1.0, 0.25,
         std::sqrt((0.6 * 1.5625 - 0.5625) / 0.4), false},
        {"r = 1 is clamped below the pole", 1.0, 1.0,
         (1.0 - kMaxReflectivity) / (1.0 + kMaxReflectivity),
         2.0 * std::sqrt(kMaxReflectivity) / (1.0 + kMaxReflectivity), true},
    };
    for (const Case& c : cases) {
        const IorChannel ior = IorFromArtist(c.r, c.g);
        EXPECT_NEAR(ior.n, c.n, 1e-9) << c.what;
        EXPECT_NEAR(ior.k, c.k, 1e-6) << c.what;
        EXPECT_EQ(ior.reflectivityClamped, c.clamped) << c.what;
    }
    // n = 0 reflects everything head-on whatever k: the same pole, from the other side.
    const ArtistChannel zeroN = ArtistFromIor(0.0, 3.0);
    EXPECT_TRUE(zeroN.reflectivityClamped);
    EXPECT_EQ(zeroN.reflectivity, kMaxReflectivity);
    EXPECT_TRUE(std::isfinite(zeroN.edgeTint));
}

TEST(Srgb, EncodesLinearValuesToBytes) {
    const double inf = std::numeric_limits<double>::infinity();
    // NaN is no light, as in a picture's pixel: black, not an arbitrary code.
    const std::pair<double, int> cases[] = {{-1.0, 0},  {0.0, 0},         {0.001, 3}, {0.18, 118},
                                            {0.5, 188}, {1.0, 255},       {7.0, 255}, {inf, 255},
                                            {-inf, 0},  {std::nan(""), 0}};
    for (const auto& [linear, byte] : cases) EXPECT_EQ(SrgbByte(linear), byte) << linear;
}

}  // namespace
}  // namespace veltrane::tools
