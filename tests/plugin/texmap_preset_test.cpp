// Choosing a metal: the change of "preset" writes the metal's six n/k values at time 0, once,
// and keeps the six controls of an open rollout in step; nothing else touches "preset".
#include <climits>

#include <standin/param_keys.h>
#include <standin/ui_invalidation_log.h>

#include "core/presets.h"
#include "tests/plugin/texmap_fixture.h"
#include "tests/support/animate_scope.h"

namespace texmap_test {
namespace {

using TexmapPreset = TexmapTest;
using Call = RecordingMap::Call;

// Hand-typed values that no metal has, so that a write of a row shows.
const veltrane::ComplexIOR kTyped = {1.25f, 2.5f, 3.75f, 5.5f, 6.25f, 7.125f};

std::vector<ParamID> InvalidatedIDs(const standin::UIInvalidationLog& log) {
    std::vector<ParamID> ids;
    for (const standin::UIInvalidation& call : log.Calls()) {
        EXPECT_FALSE(call.wholeMap);
        EXPECT_EQ(call.tabIndex, -1);
        ids.push_back(call.id);
    }
    return ids;
}

testing::AssertionResult HoldsIor(IParamBlock2& block, const veltrane::ComplexIOR& ior) {
    return SameParams(ReadParams(block, 0), Custom(ior, 1.0f, 0.0f, 0.0f));
}

// With no rollout open: the row arrives at time 0 whatever the time of the change, and the
// only invalidations are those of "preset" and of the six nested writes, so one apply ran.
TEST_F(TexmapPreset, ChoosingAMetalWritesItsRowOnceAtTimeZero) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    standin::UIInvalidationLog log(Desc2());
    for (const veltrane::MetalPreset& metal : veltrane::kMetalPresets) {
        SCOPED_TRACE(metal.index);
        WriteParams(block, 0, Custom(kTyped, 1.0f, 0.0f, 0.0f));
        log.Clear();
        EXPECT_TRUE(block.SetValue(kPreset, 250, metal.index));
        EXPECT_EQ(InvalidatedIDs(log), (std::vector<ParamID>{0, 1, 2, 3, 4, 5, 6}));
        EXPECT_TRUE(HoldsIor(block, metal.ior));
        EXPECT_EQ(block.GetInt(kPreset, 0), metal.index);
        for (ParamID id : kIorIDs) EXPECT_TRUE(standin::KeyTimes(block, id).empty()) << id;
    }
}

TEST_F(TexmapPreset, CustomAndValuesOutsideTheTableWriteNothing) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    standin::UIInvalidationLog log(Desc2());
    for (int preset : {0, -1, 11, 100, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(preset);
        WriteParams(block, 0, Custom(kTyped, 1.0f, 0.0f, 0.0f));
        log.Clear();
        block.SetValue(kPreset, 0, preset);
        EXPECT_EQ(InvalidatedIDs(log), std::vector<ParamID>{0});
        EXPECT_TRUE(HoldsIor(block, kTyped));
        EXPECT_EQ(block.GetInt(kPreset, 0), preset);
    }
}

// A change the block relays without naming a parameter is nobody's: the controls of every
// parameter are redrawn and no metal is applied again, even when "preset" was written last.
TEST_F(TexmapPreset, AChangeNamingNoParameterAppliesNoMetal) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    MapPtr source = NewMap();  // Gold chosen, then typed values over it
    Block(*source).SetValue(kPreset, 0, 7);
    WriteParams(Block(*source), 0, Custom(kTyped, 1.0f, 0.0f, 0.0f));

    block.SetValue(kPreset, 0, 0);
    CopyValuesBySaveAndLoad(block, Block(*source));
    standin::UIInvalidationLog log(Desc2());
    block.NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    EXPECT_EQ(InvalidatedIDs(log), std::vector<ParamID>{-1});
    EXPECT_TRUE(HoldsIor(block, kTyped));

    // Choosing the metal still applies it.
    block.SetValue(kPreset, 0, 7);
    EXPECT_TRUE(HoldsIor(block, veltrane::FindMetalPreset(7)->ior));
}

// With a rollout open: after the nested writes the six controls are redrawn with tab index
// 0 and enabled exactly while "preset" is 0 or below.
TEST_F(TexmapPreset, AnOpenRolloutIsRedrawnAndItsNkControlsFollowThePreset) {
    struct Step {
        int preset;
        bool writesRow;
        BOOL enabled;
    };
    const Step steps[] = {
        {3, true, FALSE},   {0, false, TRUE}, {-1, false, TRUE}, {8, true, FALSE},
        {11, false, FALSE}, {0, false, TRUE}, {10, true, FALSE}, {INT_MIN, false, TRUE},
    };
    const veltrane::ComplexIOR typed = {20.0f, 21.0f, 22.0f, 23.0f, 24.0f, 25.0f};
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    RecordingMap rollout(block);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.preset);
        // Typed over a metal as well: "Custom" must keep showing them, not a row.
        WriteParams(block, 0, Custom(typed, 1.0f, 0.0f, 0.0f));
        rollout.calls.clear();
        block.SetValue(kPreset, 0, step.preset);

        std::vector<Call> expected = {RecordingMap::Invalidated(kPreset, -1)};
        if (step.writesRow) {
            for (ParamID id : kIorIDs) expected.push_back(RecordingMap::Invalidated(id, -1));
        }
        for (ParamID id : kIorIDs) expected.push_back(RecordingMap::Invalidated(id, 0));
        for (ParamID id : kIorIDs) expected.push_back(RecordingMap::Enabled(id, step.enabled));
        EXPECT_EQ(rollout.calls, expected);
        EXPECT_TRUE(
            HoldsIor(block, step.writesRow ? veltrane::FindMetalPreset(step.preset)->ior : typed));
    }
}

// A value typed while a metal is chosen stays, and so does the metal: only that parameter's
// controls are redrawn, and the enabled state is not touched.
TEST_F(TexmapPreset, ChangingAnyOtherParameterLeavesThePresetAlone) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    RecordingMap rollout(block);
    block.SetValue(kPreset, 0, 2);
    for (ParamID id : kFloatIDs) {
        SCOPED_TRACE(id);
        Params expected = ReadParams(block, 0);
        Field(expected, id) = 0.5f;
        rollout.calls.clear();
        block.SetValue(id, 0, 0.5f);
        EXPECT_EQ(rollout.calls, std::vector<Call>{RecordingMap::Invalidated(id, -1)});
        EXPECT_EQ(block.GetInt(kPreset, 0), 2);
        EXPECT_TRUE(SameParams(ReadParams(block, 0), expected));
    }
}

// The row applied is that of "preset" at time 0, whatever the time of the change: keying
// Gold at frame 100 while time 0 holds Silver re-applies Silver.
TEST_F(TexmapPreset, AnAnimatedPresetIsReadAtTimeZero) {
    const veltrane::ComplexIOR& silver = veltrane::FindMetalPreset(1)->ior;
    const veltrane::ComplexIOR& nickel = veltrane::FindMetalPreset(8)->ior;
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    block.SetValue(kPreset, 0, 1);
    block.SetValue(kNRed, 0, 42.0f);
    {
        AnimateScope animate;
        block.SetValue(kPreset, 100, 3);
    }
    EXPECT_EQ(standin::KeyTimes(block, kPreset), (std::vector<TimeValue>{0, 100}));
    EXPECT_EQ(block.GetInt(kPreset, 0), 1);
    EXPECT_EQ(block.GetInt(kPreset, 100), 3);
    EXPECT_TRUE(HoldsIor(block, silver));

    // Changing the key at time 0 changes the row.
    {
        AnimateScope animate;
        block.SetValue(kPreset, 0, 8);
    }
    EXPECT_EQ(block.GetInt(kPreset, 100), 3);
    EXPECT_TRUE(HoldsIor(block, nickel));
}

}  // namespace
}  // namespace texmap_test
