// A parameter block built for its owner: defaults, writes that notify the owner at once,
// parameters held by the owner, open parameter maps and reset.
#include <gtest/gtest.h>

#include <standin/param_keys.h>
#include <standin/param_map_hook.h>
#include <standin/ui_invalidation_log.h>

#include "param_block_fixture.h"
#include "tests/support/animate_scope.h"
#include "tests/support/recording_param_map.h"

namespace pbtest {
namespace {

struct FloatDefault {
    ParamID id;
    float value;
};
const FloatDefault kFloatDefaults[] = {
    {kNR, 0.27105f}, {kNG, 0.97907f}, {kNB, 1.2171f}, {kKR, 3.6092f}, {kKG, 2.369f},
    {kKB, 2.2908f},  {kGamma, 1.0f},  {kHue, 0.0f},   {kSat, 0.0f},
};

void ExpectDefaults(IParamBlock2& block) {
    for (const FloatDefault& d : kFloatDefaults) {
        Interval valid = FOREVER;
        float v = -1.0f;
        EXPECT_TRUE(block.GetValue(d.id, 0, v, valid));
        EXPECT_EQ(v, d.value) << "parameter " << d.id;
        EXPECT_TRUE(valid == FOREVER) << "parameter " << d.id;
        EXPECT_TRUE(standin::KeyTimes(block, d.id).empty());
    }
    EXPECT_EQ(block.GetInt(kPreset), 6);
    EXPECT_TRUE(standin::KeyTimes(block, kPreset).empty());
}

TEST(ParamBlock, MadeForItsOwnerAtTheDefaults) {
    OwnerPtr owner = NewOwner();
    IParamBlock2* block = owner->Block();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->ID(), 0);
    EXPECT_EQ(block->GetDesc(), &params);
    EXPECT_EQ(block->GetOwner(), owner.get());
    EXPECT_EQ(block->SuperClassID(), static_cast<SClass_ID>(PARAMETER_BLOCK2_CLASS_ID));
    EXPECT_EQ(block->GetMap(), nullptr);
    ExpectDefaults(*block);
    EXPECT_TRUE(owner->changes.empty());
}

TEST(ParamBlock, WritesNotifyTheOwnerAtOnce) {
    OwnerPtr owner = NewOwner();
    IParamBlock2* block = owner->Block();
    float seen = 0.0f;
    int tabSeen = -5;
    owner->onChange = [&](TestOwner& o, ParamID) {
        seen = o.Block()->GetFloat(kHue);
        o.Block()->LastNotifyParamID(tabSeen);
    };

    EXPECT_TRUE(block->SetValue(kHue, 0, 45.0f));
    EXPECT_EQ(owner->changes, std::vector<ParamID>{kHue});
    EXPECT_EQ(seen, 45.0f);  // the value is in place when the owner hears of it
    EXPECT_EQ(tabSeen, 0);
    // Once the notification is over, no parameter is changing; the tab index is left alone.
    int tab = -5;
    EXPECT_EQ(block->LastNotifyParamID(tab), -1);
    EXPECT_EQ(tab, -5);

    EXPECT_TRUE(block->SetValue(kPreset, 0, 3));
    EXPECT_EQ(block->GetInt(kPreset), 3);
    EXPECT_EQ(owner->changes.back(), kPreset);
    EXPECT_EQ(block->LastNotifyParamID(), -1);
    // Values outside the declared range are kept: the spinner clamps, not the block.
    EXPECT_TRUE(block->SetValue(kGamma, 0, 500.0f));
    EXPECT_EQ(block->GetFloat(kGamma), 500.0f);
    EXPECT_EQ(owner->changes.size(), 3u);
}

TEST(ParamBlock, WrongTypeOrUnknownIDIsRefused) {
    OwnerPtr owner = NewOwner();
    IParamBlock2* block = owner->Block();
    Interval valid = FOREVER;
    float f = 7.0f;
    int i = 7;
    ReferenceTarget* r = nullptr;
    EXPECT_FALSE(block->SetValue(kPreset, 0, 2.0f));  // an int parameter
    EXPECT_FALSE(block->SetValue(kHue, 0, 2));        // a float parameter
    EXPECT_FALSE(block->SetValue(10, 0, 2.0f));       // no parameter 10
    EXPECT_FALSE(block->SetValue(kHue, 0, static_cast<ReferenceTarget*>(nullptr)));
    EXPECT_FALSE(block->GetValue(kPreset, 0, f, valid));
    EXPECT_FALSE(block->GetValue(kHue, 0, i, valid));
    EXPECT_FALSE(block->GetValue(10, 0, f, valid));
    EXPECT_FALSE(block->GetValue(kHue, 0, r, valid));
    EXPECT_EQ(f, 7.0f);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(block->GetInt(kHue), 0);
    EXPECT_EQ(block->GetFloat(kPreset), 0.0f);
    EXPECT_TRUE(owner->changes.empty());
    ExpectDefaults(*block);
}

// The pattern of a preset: the owner's handler writes further parameters of the same block
// while the first notification is still being delivered.
TEST(ParamBlock, NestedWritesFromTheOwnersHandler) {
    OwnerPtr owner = NewOwner();
    IParamBlock2* block = owner->Block();
    ParamID afterNested = 0;
    owner->onChange = [&afterNested](TestOwner& o, ParamID id) {
        if (id != kPreset) return;
        for (ParamID p = kNR; p <= kKB; ++p) o.Block()->SetValue(p, 0, 1.5f * p);
        afterNested = o.Block()->LastNotifyParamID();
    };
    block->SetValue(kPreset, 0, 1);
    EXPECT_EQ(owner->changes, (std::vector<ParamID>{kPreset, kNR, kNG, kNB, kKR, kKG, kKB}));
    for (ParamID p = kNR; p <= kKB; ++p) EXPECT_EQ(block->GetFloat(p), 1.5f * p);
    EXPECT_EQ(afterNested, kPreset);  // back in the outer notification
    EXPECT_EQ(block->LastNotifyParamID(), -1);
}

// A change the block passes on without naming a parameter is credited to none, whatever
// was written before it.
TEST(ParamBlock, AChangeRelayedWithoutAParameterNamesNone) {
    OwnerPtr owner = NewOwner();
    IParamBlock2* block = owner->Block();
    block->SetValue(kPreset, 0, 2);
    int tab = 7;
    owner->onChange = [&tab](TestOwner& o, ParamID) { o.Block()->LastNotifyParamID(tab); };
    block->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    EXPECT_EQ(owner->changes, (std::vector<ParamID>{kPreset, -1}));
    EXPECT_EQ(tab, 7);
}

TEST(ParamBlock, OwnersReferenceParameter) {
    OwnerPtr owner = NewOwner();
    IParamBlock2* block = owner->Block();
    Interval valid = FOREVER;
    ReferenceTarget* output = nullptr;
    ASSERT_TRUE(block->GetValue(kOutput, 0, output, valid));
    EXPECT_NE(output, nullptr);
    EXPECT_EQ(output, owner->GetReference(1));

    EXPECT_TRUE(block->SetValue(kOutput, 0, static_cast<ReferenceTarget*>(nullptr)));
    EXPECT_EQ(owner->GetReference(1), nullptr);
    EXPECT_EQ(owner->changes, std::vector<ParamID>{kOutput});
    ASSERT_TRUE(block->GetValue(kOutput, 0, output, valid));
    EXPECT_EQ(output, nullptr);
}

TEST(ParamBlock, OpenParameterMapsAreFoundAndInvalidated) {
    OwnerPtr owner = NewOwner();
    IParamBlock2* block = owner->Block();
    RecordingParamMap map(block);
    standin::UIInvalidationLog log(classDesc);

    classDesc.InvalidateUI(&params, kNR, -1);  // no map open: recorded, nothing else
    standin::AttachParamMap(*block, map);
    EXPECT_EQ(block->GetMap(0), &map);
    EXPECT_EQ(block->GetMap(1), nullptr);
    EXPECT_EQ(classDesc.GetParamMap(&params), &map);

    params.InvalidateUI(kNG);
    classDesc.InvalidateUI(&params, kNB, 0);
    classDesc.InvalidateUI(&params);
    EXPECT_EQ(map.calls,
              (std::vector<RecordingParamMap::Call>{RecordingParamMap::Invalidated(kNG, -1),
                                                    RecordingParamMap::Invalidated(kNB, 0),
                                                    RecordingParamMap::InvalidatedAll()}));
    ASSERT_EQ(log.Calls().size(), 4u);
    EXPECT_EQ(log.Calls()[0].id, kNR);
    EXPECT_EQ(log.Calls()[1].tabIndex, -1);
    EXPECT_TRUE(log.Calls()[3].wholeMap);

    struct Proc : ParamMap2UserDlgProc {
        INT_PTR DlgProc(TimeValue, IParamMap2*, HWND, UINT, WPARAM, LPARAM) override { return 0; }
        void DeleteThis() override {}
    } procObject;
    ParamMap2UserDlgProc* proc = &procObject;
    EXPECT_TRUE(classDesc.SetUserDlgProc(&params, 0, proc));
    EXPECT_EQ(map.userProc, proc);
    EXPECT_FALSE(classDesc.SetUserDlgProc(&params, 1, proc));
    map.userProc = nullptr;

    standin::DetachParamMap(*block, map);
    EXPECT_EQ(block->GetMap(), nullptr);
    EXPECT_EQ(classDesc.GetParamMap(&params), nullptr);
    EXPECT_FALSE(classDesc.SetUserDlgProc(&params, 0, nullptr));
}

TEST(ParamBlock, DeletedBlockTakesItsMapsOffTheClassDescriptor) {
    RecordingParamMap map(nullptr);
    {
        OwnerPtr owner = NewOwner();
        standin::AttachParamMap(*owner->Block(), map);
        ASSERT_EQ(classDesc.GetParamMap(&params), &map);
    }
    EXPECT_EQ(classDesc.GetParamMap(&params), nullptr);
    classDesc.InvalidateUI(&params, kNR, -1);
    EXPECT_TRUE(map.calls.empty());
}

TEST(ParamBlock, ResetRestoresDefaultsAndKeepsOwnersReferences) {
    OwnerPtr owner = NewOwner();
    IParamBlock2* block = owner->Block();
    ReferenceTarget* output = owner->GetReference(1);
    block->SetValue(kPreset, 0, 2);
    block->SetValue(kHue, 0, 90.0f);
    {
        AnimateScope animate;
        block->SetValue(kNR, 100, 5.0f);
        block->SetValue(kPreset, 50, 9);
    }
    ASSERT_FALSE(standin::KeyTimes(*block, kNR).empty());
    owner->changes.clear();
    standin::UIInvalidationLog log(classDesc);

    classDesc.Reset(owner.get(), TRUE, TRUE);
    ExpectDefaults(*block);
    EXPECT_EQ(owner->Block(), block);  // reset in place
    EXPECT_EQ(owner->GetReference(1), output);
    EXPECT_EQ(owner->changes, std::vector<ParamID>{-1});  // one notification: all parameters
    ASSERT_EQ(log.Calls().size(), 1u);
    EXPECT_TRUE(log.Calls()[0].wholeMap);

    classDesc.Reset(owner.get(), FALSE, TRUE);
    EXPECT_EQ(log.Calls().size(), 1u);
}

}  // namespace
}  // namespace pbtest
