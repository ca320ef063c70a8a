// The default texture output, MtlBase's base state, and the simple shading context.
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include <imtl.h>
#include <standin/chunk_stream.h>
#include <standin/simple_shade_context.h>

#include "tests/support/bits.h"

namespace {

// Holds a texture output by reference 0 and counts the changes it hears of.
class Watcher : public ReferenceMaker {
  public:
    ~Watcher() override = default;
    TextureOutput* output = nullptr;
    int changes = 0;

    SClass_ID SuperClassID() override { return 0x100; }
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int) override { return output; }

  protected:
    void SetReference(int, RefTargetHandle target) override {
        output = static_cast<TextureOutput*>(target);
    }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage message,
                               BOOL) override {
        if (message == REFMSG_CHANGE) ++changes;
        return REF_SUCCEED;
    }
};

TEST(DefaultTextureOutput, PassesEveryValueThroughUnchangedAtItsDefaults) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const AColor colours[] = {
        {0.0f, 0.0f, 0.0f, 1.0f},   {1.0f, 1.0f, 1.0f, 1.0f}, {0.25f, 0.5f, 0.75f, 0.5f},
        {-0.0f, 2.5f, -1.0f, 0.0f}, {nan, inf, 1e-40f, 1.0f},
    };
    Watcher watcher;
    watcher.ReplaceReference(0, GetNewDefaultTextureOutput());
    TextureOutput* out = watcher.output;
    EXPECT_EQ(out->GetOutputLevel(0), 1.0f);
    EXPECT_FALSE(out->GetInvert());
    for (const AColor& c : colours) {
        const AColor got = out->Filter(c);
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(SameBits(got[i], c[i])) << "channel " << i;
        EXPECT_TRUE(SameBits(out->Filter(c.g), c.g));
    }
    EXPECT_EQ(out->Filter(Point3(0.5f, -2.0f, 3.0f)), Point3(0.5f, -2.0f, 3.0f));
    EXPECT_TRUE(out->Validity(0) == FOREVER);
    Interval valid(0, 100);
    out->Update(50, valid);
    EXPECT_TRUE(valid == Interval(0, 100)) << "an unanimated output narrows nothing";
    EXPECT_EQ(out->SuperClassID(), static_cast<SClass_ID>(TEXOUTPUT_CLASS_ID));
    ParamDlg* dlg = out->CreateParamDlg(nullptr, nullptr);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->GetThing(), out) << "its rollout shows this output";
    ParamDlg* another = out->CreateParamDlg(nullptr, nullptr);
    EXPECT_NE(another, dlg) << "a new dialog each time";
    dlg->DeleteThis();
    another->DeleteThis();
}

TEST(DefaultTextureOutput, SettingsFilterAndNotifyAndResetRestoresTheDefaults) {
    Watcher watcher;
    watcher.ReplaceReference(0, GetNewDefaultTextureOutput());
    TextureOutput* out = watcher.output;
    out->SetOutputLevel(0, 2.0f);
    out->SetInvert(TRUE);
    EXPECT_EQ(watcher.changes, 2);
    const AColor got = out->Filter(AColor(0.25f, 0.5f, 1.0f, 0.5f));
    EXPECT_EQ(got, AColor(1.5f, 1.0f, 0.0f, 0.5f)) << "inverted, then scaled; alpha kept";
    EXPECT_EQ(out->Filter(0.25f), 1.5f);
    out->SetOutputLevel(0, 2.0f);
    EXPECT_EQ(watcher.changes, 2) << "setting the same value is no change";

    out->Reset();
    EXPECT_EQ(watcher.changes, 3);
    EXPECT_EQ(watcher.output, out) << "reset in place";
    EXPECT_EQ(out->GetOutputLevel(0), 1.0f);
    EXPECT_FALSE(out->GetInvert());
}

TEST(DefaultTextureOutput, SaveLoadAndCloneKeepItsStateAndTheBaseState) {
    Watcher original, loaded, cloned;
    original.ReplaceReference(0, GetNewDefaultTextureOutput());
    TextureOutput* out = original.output;
    out->SetOutputLevel(0, 0.5f);
    out->SetInvert(TRUE);
    out->SetName(L"Output #7");
    out->gbufID = 0xFFFFFFF0u;
    out->SetMtlFlag(0x30);

    standin::ChunkWriter w;
    ASSERT_EQ(out->Save(&w), IO_OK);
    ASSERT_TRUE(w.Good());
    loaded.ReplaceReference(0, GetNewDefaultTextureOutput());
    standin::ChunkReader r(w.Bytes().data(), w.Bytes().size());
    ASSERT_EQ(loaded.output->Load(&r), IO_OK);

    cloned.ReplaceReference(0, CloneRefHierarchy(out));
    out->SetOutputLevel(0, 3.0f);  // the copies are independent of the original

    for (TextureOutput* copy : {loaded.output, cloned.output}) {
        ASSERT_NE(copy, out);
        EXPECT_EQ(copy->GetOutputLevel(0), 0.5f);
        EXPECT_TRUE(copy->GetInvert());
        EXPECT_TRUE(copy->GetName() == L"Output #7");
        EXPECT_EQ(copy->gbufID, 0xFFFFFFF0u);
        EXPECT_EQ(copy->TestMtlFlag(0x30), 1);
        EXPECT_TRUE(copy->ClassID() == out->ClassID());
    }
}

TEST(DefaultTextureOutput, LoadPassesDamageOn) {
    standin::ChunkWriter w;
    w.BeginChunk(0x0200);  // the output level, one byte short
    const std::uint8_t three[3] = {};
    ULONG n = 0;
    w.Write(three, 3, &n);
    w.EndChunk();
    Watcher watcher;
    watcher.ReplaceReference(0, GetNewDefaultTextureOutput());
    standin::ChunkReader r(w.Bytes().data(), w.Bytes().size());
    EXPECT_EQ(watcher.output->Load(&r), IO_ERROR);
}

TEST(SubMap, TrackViewNameFallsBackToTheSlotNumber) {
    auto* out = GetNewDefaultTextureOutput();
    EXPECT_TRUE(out->GetSubTexmapTVName(0) == L"Map 1");
    EXPECT_TRUE(out->GetSubTexmapTVName(2, false) == L"Map 3");
    EXPECT_EQ(out->GetRefTarget(), out);
    out->DeleteThis();
}

TEST(SimpleShadeContext, ReturnsItsVectorsAndCountsGBufferTags) {
    standin::SimpleShadeContext sc(Point3(0.0f, 0.0f, 1.0f), Point3(1.0f, 0.0f, -1.0f), 160);
    EXPECT_EQ(sc.Normal(), Point3(0.0f, 0.0f, 1.0f));
    EXPECT_EQ(sc.V(), Point3(1.0f, 0.0f, -1.0f));
    EXPECT_EQ(sc.ReflectVector(), Point3(1.0f, 0.0f, 1.0f));
    EXPECT_EQ(sc.CurTime(), 160);
    EXPECT_EQ(sc.GBufferIDCalls(), 0);
    EXPECT_EQ(sc.out.gbufId, 0);
    ShadeContext& base = sc;
    base.SetGBufferID(7);
    EXPECT_EQ(sc.GBufferIDCalls(), 1);
    EXPECT_EQ(sc.out.gbufId, 7);
    EXPECT_TRUE(sc.MatrixTo(REF_WORLD).IsIdentity());
}

}  // namespace
