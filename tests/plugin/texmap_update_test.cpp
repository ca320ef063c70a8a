// The parameter snapshot: Update reads the block only outside the snapshot's validity, any
// change empties it, animation narrows it, and Reset restores the defaults in place.
#include <standin/param_keys.h>

#include "core/presets.h"
#include "tests/plugin/texmap_fixture.h"
#include "tests/support/animate_scope.h"

namespace texmap_test {
namespace {

using TexmapUpdate = TexmapTest;

const Point3 kN(0.3f, -0.5f, 0.8f);
const Point3 kV(-0.2f, 0.7f, -0.4f);

// Differ from each other in every one of the nine values.
const Params kFirst = Metal(3, 2.2f, 20.0f, 10.0f);  // gold
const Params kSecond = Custom({1.5f, 0.9f, 2.1f, 0.4f, 3.3f, 1.7f}, 0.7f, -45.0f, -30.0f);

// A map evaluated with kFirst whose block holds kSecond without the map having been told.
struct Stale {
    MapPtr map;
    MapPtr source;
};

class TexmapStaleUpdate : public TexmapTest {
  protected:
    Stale MakeStale(const Params& before, const Params& after) {
        Stale s{NewMap(), NewMap()};
        WriteParams(Block(*s.map), 0, before);
        UpdateAt(*s.map, 0);
        WriteParams(Block(*s.source), 0, after);
        CopyValuesBySaveAndLoad(Block(*s.map), Block(*s.source));
        EXPECT_TRUE(SameParams(ReadParams(Block(*s.map), 0), after));
        return s;
    }
};

TEST_F(TexmapStaleUpdate, InsideTheValidityIntervalNothingIsReadAgain) {
    Stale s = MakeStale(kFirst, kSecond);
    for (TimeValue t : {0, 160, -4800, TIME_PosInfinity}) {
        SCOPED_TRACE(t);
        Interval valid(-10, 10);
        s.map->Update(t, valid);
        EXPECT_TRUE(valid == Interval(-10, 10));
        EXPECT_TRUE(
            SameBits(EvalColorAt(*s.map, kN, kV), CoreColorThroughOutput(*s.map, kN, kV, kFirst)));
    }
    // Messages other than a change leave the snapshot valid too.
    Block(*s.map).NotifyDependents(FOREVER, PART_ALL, REFMSG_BEGIN_EDIT);
    UpdateAt(*s.map, 0);
    EXPECT_TRUE(
        SameBits(EvalColorAt(*s.map, kN, kV), CoreColorThroughOutput(*s.map, kN, kV, kFirst)));
}

// After a change of anything the map references, the next Update reads all nine values
// again, even at the same time as before.
TEST_F(TexmapStaleUpdate, AnyChangeMakesTheNextUpdateReadAllNine) {
    struct Trigger {
        const char* what;
        void (*fire)(Texmap& map);
    };
    const Trigger triggers[] = {
        {"a float parameter rewritten with its value",
         [](Texmap& m) { Block(m).SetValue(kHue, 0, Block(m).GetFloat(kHue, 0)); }},
        {"an n/k parameter at another time",
         [](Texmap& m) { Block(m).SetValue(kKBlue, 500, Block(m).GetFloat(kKBlue, 500)); }},
        {"preset set to Custom", [](Texmap& m) { Block(m).SetValue(kPreset, 0, 0); }},
        {"the texture output", [](Texmap& m) { OutputOf(m)->SetOutputLevel(0, 0.5f); }},
        {"a change reported by the block",
         [](Texmap& m) { Block(m).NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE); }},
    };
    for (const Trigger& trigger : triggers) {
        SCOPED_TRACE(trigger.what);
        Stale s = MakeStale(kFirst, kSecond);
        trigger.fire(*s.map);
        UpdateAt(*s.map, 0);
        for (const View& view : Views()) {
            SCOPED_TRACE(view.what);
            EXPECT_TRUE(SameBits(EvalColorAt(*s.map, view.n, view.v),
                                 CoreColorThroughOutput(*s.map, view.n, view.v, kSecond)));
        }
    }
}

// One value changed behind the map's back, then another one changed openly: the first must
// be read too.
TEST_F(TexmapStaleUpdate, EachValueIsReadAfterAChangeOfAnother) {
    for (std::size_t i = 0; i < 9; ++i) {
        const ParamID changed = kFloatIDs[i];
        const ParamID touched = kFloatIDs[(i + 1) % 9];
        SCOPED_TRACE(changed);
        Params after = kFirst;
        Field(after, changed) = Field(kSecond, changed);
        ASSERT_FALSE(SameBits(CoreReflectance(kN, kV, after), CoreReflectance(kN, kV, kFirst)));
        Stale s = MakeStale(kFirst, after);
        Block(*s.map).SetValue(touched, 0, Field(after, touched));
        UpdateAt(*s.map, 0);
        EXPECT_TRUE(
            SameBits(EvalColorAt(*s.map, kN, kV), CoreColorThroughOutput(*s.map, kN, kV, after)));
    }
}

TEST_F(TexmapUpdate, ValidityIsForeverUnanimatedAndNarrowedByKeys) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    for (TimeValue t : {0, 100, -100, TIME_PosInfinity}) {
        EXPECT_TRUE(map->Validity(t) == FOREVER) << t;
    }
    {
        AnimateScope animate;
        block.SetValue(kNRed, 100, 2.0f);  // keys at 0 (Copper's value) and 100
        block.SetValue(kHue, 300, 30.0f);  // keys at 0 (0) and 300
        block.SetValue(kPreset, 50, 2);    // "preset" is not read by Update
    }
    struct Sample {
        TimeValue t;
        Interval validity;
    };
    const Sample samples[] = {
        {-50, Interval(TIME_NegInfinity, 0)},
        {0, Interval(TIME_NegInfinity, 0)},
        {50, Interval(50, 50)},     // n red between two different keys
        {100, Interval(100, 100)},  // hue still moving
        {400, Interval(300, TIME_PosInfinity)},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.t);
        const Interval got = map->Validity(s.t);
        EXPECT_EQ(got.Start(), s.validity.Start());
        EXPECT_EQ(got.End(), s.validity.End());
        // Update narrows the caller's interval by the same span, and the snapshot holds the
        // values at that time.
        Interval valid(-1000, 1000);
        map->Update(s.t, valid);
        EXPECT_TRUE(valid == (Interval(-1000, 1000) & s.validity));
        EXPECT_TRUE(SameBits(EvalColorAt(*map, kN, kV),
                             CoreColorThroughOutput(*map, kN, kV, ReadParams(block, s.t))));
    }
}

// The output stage's own validity narrows the snapshot's; inside it nothing is asked again.
TEST_F(TexmapUpdate, TheOutputStageNarrowsTheValidity) {
    MapPtr map = NewMap();
    auto* output = new CountingOutput;  // held by the map from here on
    ASSERT_EQ(map->ReplaceReference(1, output), REF_SUCCEED);
    struct Step {
        TimeValue t;
        bool updatesOutput;
        Interval validity;
    };
    const Step steps[] = {
        {50, true, Interval(0, 99)},      {99, false, Interval(0, 99)},
        {0, false, Interval(0, 99)},      {150, true, Interval(100, 199)},
        {100, false, Interval(100, 199)}, {-1, true, Interval(-100, -1)},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.t);
        const std::size_t before = output->updates.size();
        Interval valid = FOREVER;
        map->Update(step.t, valid);
        EXPECT_TRUE(valid == step.validity);
        ASSERT_EQ(output->updates.size(), before + (step.updatesOutput ? 1 : 0));
        if (step.updatesOutput) {
            EXPECT_EQ(output->updates.back(), step.t);
        }
        EXPECT_TRUE(map->Validity(step.t) == step.validity);
        EXPECT_EQ(output->updates.size(), before + (step.updatesOutput ? 1 : 0));
    }
}

// Without a parameter block (the host emptied reference 0) there is nothing to read: the
// caller's interval and the last snapshot stay as they were.
TEST_F(TexmapUpdate, WithoutABlockUpdateReadsNothing) {
    MapPtr map = NewMap();
    WriteParams(Block(*map), 0, kFirst);
    UpdateAt(*map, 0);
    ASSERT_EQ(map->ReplaceReference(0, nullptr), REF_SUCCEED);
    EXPECT_EQ(map->GetParamBlock(0), nullptr);
    EXPECT_EQ(map->GetParamBlockByID(0), nullptr);
    Interval valid(-10, 10);
    map->Update(0, valid);
    EXPECT_TRUE(valid == Interval(-10, 10));
    EXPECT_TRUE(map->Validity(0) == FOREVER);
    EXPECT_TRUE(SameBits(EvalColorAt(*map, kN, kV), CoreColorThroughOutput(*map, kN, kV, kFirst)));
    map->Reset();  // nothing to reset the parameters of; must not fail
}

TEST_F(TexmapUpdate, ResetKeepsTheOutputObjectAndRestoresTheDefaults) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    TextureOutput* output = OutputOf(*map);
    block.SetValue(kPreset, 0, 3);
    WriteParams(block, 0, kSecond);
    {
        AnimateScope animate;
        block.SetValue(kGamma, 80, 4.0f);
        block.SetValue(kPreset, 40, 9);
    }
    output->SetOutputLevel(0, 0.25f);
    output->SetInvert(TRUE);
    UpdateAt(*map, 0);

    map->Reset();
    EXPECT_EQ(OutputOf(*map), output);
    EXPECT_EQ(output->GetOutputLevel(0), 1.0f);
    EXPECT_EQ(output->GetInvert(), FALSE);
    EXPECT_EQ(map->GetParamBlock(0), &block);
    EXPECT_EQ(block.GetInt(kPreset, 0), 6);
    for (ParamID id : kAllParamIDs) {
        EXPECT_TRUE(standin::KeyTimes(block, id).empty()) << id;
    }
    EXPECT_TRUE(SameParams(ReadParams(block, 0), DefaultParams()));
    // The snapshot was emptied: an update at the same time reads the defaults.
    UpdateAt(*map, 0);
    EXPECT_TRUE(SameBits(EvalColorAt(*map, kN, kV), CoreReflectance(kN, kV, DefaultParams())));
}

TEST_F(TexmapUpdate, ResetWithoutAnOutputMakesANewOne) {
    MapPtr map = NewMap();
    ASSERT_EQ(map->ReplaceReference(1, nullptr), REF_SUCCEED);
    map->Reset();
    TextureOutput* output = OutputOf(*map);
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->GetOutputLevel(0), 1.0f);
    EXPECT_EQ(OutputViaBlock(*map), output);
}

}  // namespace
}  // namespace texmap_test
