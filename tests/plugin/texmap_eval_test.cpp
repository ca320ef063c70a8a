// Evaluation through the loaded module: the colour is the core's, bit for bit, through the
// map's output stage; mono is its mean; the G-buffer tag is set only for a non-zero ID.
#include <string>

#include <standin/simple_shade_context.h>

#include "tests/plugin/texmap_fixture.h"

namespace texmap_test {
namespace {

using TexmapEval = TexmapTest;

TEST_F(TexmapEval, ColourMonoAndPerturbationMatchTheCoreBitForBit) {
    struct Case {
        const char* what;
        Params params;
    };
    const Case cases[] = {
        {"defaults", DefaultParams()},
        {"gold, warmed", Metal(3, 2.2f, 20.0f, 10.0f)},
        {"silver at the low ends", Metal(1, 0.05f, -180.0f, -100.0f)},
        {"titanium at the high ends", Metal(10, 20.0f, 180.0f, 100.0f)},
        {"dielectric n 1.5", Custom({1.5f, 1.5f, 1.5f, 0.0f, 0.0f, 0.0f}, 1.0f, 0.0f, 0.0f)},
        {"typed values", Custom({0.2f, 7.5f, 100.0f, 0.0f, 12.0f, 3.0f}, 0.45f, -90.0f, 55.0f)},
    };
    MapPtr map = NewMap();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteParams(Block(*map), 0, c.params);
        UpdateAt(*map, 0);
        for (const View& view : Views()) {
            SCOPED_TRACE(view.what);
            standin::SimpleShadeContext sc(view.n, view.v);
            const AColor colour = map->EvalColor(sc);
            EXPECT_TRUE(SameBits(colour, CoreColorThroughOutput(*map, view.n, view.v, c.params)));
            const float mono = map->EvalMono(sc);
            EXPECT_EQ(Bits(mono), Bits((colour.r + colour.g + colour.b) / 3.0f));
            const Point3 perturb = map->EvalNormalPerturb(sc);
            EXPECT_EQ(perturb.x, 0.0f);
            EXPECT_EQ(perturb.y, 0.0f);
            EXPECT_EQ(perturb.z, 0.0f);
        }
    }
}

// Spot values of a new map, computed independently of the code: Copper seen along the
// normal and at 60 degrees.
TEST_F(TexmapEval, ANewMapShowsCopper) {
    MapPtr map = NewMap();
    UpdateAt(*map, 0);
    standin::SimpleShadeContext along(Point3(0.0f, 0.0f, 1.0f), Point3(0.0f, 0.0f, -1.0f));
    const AColor c = map->EvalColor(along);
    EXPECT_NEAR(c.r, 0.925952f, 1e-6f);
    EXPECT_NEAR(c.g, 0.589009f, 1e-6f);
    EXPECT_NEAR(c.b, 0.520982f, 1e-6f);
    EXPECT_EQ(c.a, 1.0f);
    EXPECT_NEAR(map->EvalMono(along), 0.678648f, 1e-6f);
    standin::SimpleShadeContext oblique(Point3(0.0f, 0.0f, 1.0f), Point3(0.8660254f, 0.0f, -0.5f));
    const AColor o = map->EvalColor(oblique);
    EXPECT_NEAR(o.r, 0.920476f, 2e-6f);
    EXPECT_NEAR(o.g, 0.604145f, 2e-6f);
    EXPECT_NEAR(o.b, 0.539377f, 2e-6f);
}

// Records the order of the queries: the tag comes first, then normal, then view.
class OrderShadeContext : public standin::SimpleShadeContext {
  public:
    OrderShadeContext() : SimpleShadeContext(Point3(0.0f, 0.0f, 1.0f), Point3(0.0f, 0.6f, -0.8f)) {}
    Point3 Normal() override {
        calls += 'N';
        return SimpleShadeContext::Normal();
    }
    Point3 V() override {
        calls += 'V';
        return SimpleShadeContext::V();
    }
    void SetGBufferID(int gbid) override {
        calls += 'G';
        SimpleShadeContext::SetGBufferID(gbid);
    }
    std::string calls;
};

TEST_F(TexmapEval, TheGBufferTagComesFirstAndOnlyWithAnID) {
    struct Case {
        ULONG gbufID;
        const char* colour;
        const char* mono;  // tags once, through EvalColor
        const char* perturb;
    };
    const Case cases[] = {
        {0, "NV", "NV", ""},
        {5, "GNV", "GNV", "G"},
        {0xFFFF, "GNV", "GNV", "G"},
    };
    MapPtr map = NewMap();
    UpdateAt(*map, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gbufID);
        map->gbufID = c.gbufID;
        OrderShadeContext colour, mono, perturb;
        map->EvalColor(colour);
        map->EvalMono(mono);
        map->EvalNormalPerturb(perturb);
        EXPECT_EQ(colour.calls, c.colour);
        EXPECT_EQ(mono.calls, c.mono);
        EXPECT_EQ(perturb.calls, c.perturb);
        if (c.gbufID != 0) {
            EXPECT_EQ(colour.out.gbufId, static_cast<int>(c.gbufID));
        }
    }
}

TEST_F(TexmapEval, EachColourPassesTheOutputStageOnce) {
    MapPtr map = NewMap();
    auto* output = new CountingOutput;  // held by the map from here on
    ASSERT_EQ(map->ReplaceReference(1, output), REF_SUCCEED);
    UpdateAt(*map, 0);
    for (const View& view : Views()) {
        SCOPED_TRACE(view.what);
        standin::SimpleShadeContext sc(view.n, view.v);
        output->filters = 0;
        const AColor colour = map->EvalColor(sc);
        EXPECT_EQ(output->filters, 1);
        EXPECT_TRUE(SameBits(
            colour, CountingOutput::Tint(CoreReflectance(view.n, view.v, DefaultParams()))));
        EXPECT_EQ(Bits(map->EvalMono(sc)), Bits((colour.r + colour.g + colour.b) / 3.0f));
        EXPECT_EQ(output->filters, 2);
        map->EvalNormalPerturb(sc);
        EXPECT_EQ(output->filters, 2);
    }
}

// The host may empty reference 1; the colour then goes out as the core computed it.
TEST_F(TexmapEval, WithoutAnOutputStageTheColourIsUnfiltered) {
    const Params params = Metal(5, 1.4f, 35.0f, 20.0f);
    MapPtr map = NewMap();
    WriteParams(Block(*map), 0, params);
    OutputOf(*map)->SetOutputLevel(0, 0.5f);
    OutputOf(*map)->SetInvert(TRUE);
    UpdateAt(*map, 0);
    const View& view = Views()[2];
    const AColor filtered = EvalColorAt(*map, view.n, view.v);
    EXPECT_TRUE(
        SameBits(filtered, OutputOf(*map)->Filter(CoreReflectance(view.n, view.v, params))));

    ASSERT_EQ(map->ReplaceReference(1, nullptr), REF_SUCCEED);
    EXPECT_EQ(map->GetReference(1), nullptr);
    UpdateAt(*map, 0);
    for (const View& v : Views()) {
        SCOPED_TRACE(v.what);
        standin::SimpleShadeContext sc(v.n, v.v);
        const AColor colour = map->EvalColor(sc);
        EXPECT_TRUE(SameBits(colour, CoreReflectance(v.n, v.v, params)));
        EXPECT_EQ(Bits(map->EvalMono(sc)), Bits((colour.r + colour.g + colour.b) / 3.0f));
    }
}

}  // namespace
}  // namespace texmap_test
