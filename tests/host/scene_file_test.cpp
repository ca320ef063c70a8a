// The scene file: a graph of reference targets saved and loaded through the class directory,
// and damaged or truncated files refused without a crash or a leak.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <imtl.h>
#include <standin/chunk_stream.h>
#include <standin/class_directory.h>
#include <standin/scene_file.h>

namespace {

constexpr USHORT kMtlHeaderChunk = 0x4000;
constexpr USHORT kLevelChunk = 0x0100;
const Class_ID kProbeClassID(0x11223344, 0x55667788);

// A texture map with three references: 0 its texture output (a default one from the
// constructor), 1 a sub-texmap, 2 any target. Saves a level of its own.
class ProbeMap : public Texmap {
  public:
    static inline int live = 0;
    enum class SaveMode { kGood, kFail, kUnbalanced } saveMode = SaveMode::kGood;
    float level = 0.0f;

    ProbeMap() {
        ++live;
        ReplaceReference(0, GetNewDefaultTextureOutput());
    }
    ~ProbeMap() override { --live; }

    TextureOutput* Output() { return static_cast<TextureOutput*>(refs_[0]); }

    Class_ID ClassID() override { return kProbeClassID; }
    int NumRefs() override { return 3; }
    RefTargetHandle GetReference(int i) override { return refs_[i]; }
    int NumSubTexmaps() override { return 1; }
    Texmap* GetSubTexmap(int) override { return static_cast<Texmap*>(refs_[1]); }
    void SetSubTexmap(int, Texmap* m) override { ReplaceReference(1, m); }

    AColor EvalColor(ShadeContext&) override { return AColor(level, level, level); }
    Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(); }
    void Update(TimeValue, Interval&) override {}
    void Reset() override { level = 0.0f; }
    Interval Validity(TimeValue) override { return FOREVER; }
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }

    IOResult Save(ISave* isave) override {
        if (saveMode == SaveMode::kFail) return IO_ERROR;
        isave->BeginChunk(kMtlHeaderChunk);
        if (MtlBase::Save(isave) != IO_OK) return IO_ERROR;
        isave->EndChunk();
        isave->BeginChunk(kLevelChunk);
        ULONG n = 0;
        const IOResult result = isave->Write(&level, sizeof level, &n);
        if (saveMode != SaveMode::kUnbalanced) isave->EndChunk();
        return result;
    }

    IOResult Load(ILoad* iload) override {
        IOResult result;
        while ((result = iload->OpenChunk()) == IO_OK) {
            ULONG n = 0;
            if (iload->CurChunkID() == kMtlHeaderChunk) result = MtlBase::Load(iload);
            if (iload->CurChunkID() == kLevelChunk) result = iload->Read(&level, sizeof level, &n);
            iload->CloseChunk();
            if (result != IO_OK) return result;
        }
        return result == IO_END ? IO_OK : result;
    }

  protected:
    void SetReference(int i, RefTargetHandle target) override { refs_[i] = target; }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage,
                               BOOL) override {
        return REF_SUCCEED;
    }

  private:
    RefTargetHandle refs_[3] = {};
};

class ProbeMapDesc : public ClassDesc {
  public:
    int IsPublic() override { return 1; }
    void* Create(BOOL) override { return new ProbeMap; }
    const MCHAR* ClassName() override { return L"Probe"; }
    const MCHAR* NonLocalizedClassName() override { return L"Probe"; }
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    Class_ID ClassID() override { return kProbeClassID; }
    const MCHAR* Category() override { return L""; }
};

class SceneFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(classes.Register(&desc)); }
    void TearDown() override { EXPECT_EQ(ProbeMap::live, 0) << "every map was deleted"; }

    // top: output level 0.5, sub-texmap `sub`, reference 2 `shared`.
    // sub: reference 2 `shared`. shared: a texture output with level 2.
    std::vector<std::uint8_t> SaveSample() {
        standin::SceneRoots roots;
        auto* top = new ProbeMap;
        auto* sub = new ProbeMap;
        TextureOutput* shared = GetNewDefaultTextureOutput();
        shared->SetOutputLevel(0, 2.0f);
        top->level = 0.25f;
        top->SetName(L"top");
        top->gbufID = 9;
        top->Output()->SetOutputLevel(0, 0.5f);
        top->SetSubTexmap(0, sub);
        top->ReplaceReference(2, shared);
        sub->level = 0.75f;
        sub->ReplaceReference(2, shared);
        roots.Add(top);
        std::vector<std::uint8_t> bytes;
        std::string error;
        EXPECT_EQ(standin::SaveScene(roots, bytes, &error), IO_OK) << error;
        return bytes;
    }

    ProbeMapDesc desc;
    standin::ClassDirectory classes;
};

TEST_F(SceneFile, RoundTripKeepsValuesStructureAndSharing) {
    const std::vector<std::uint8_t> bytes = SaveSample();
    standin::SceneRoots loaded;
    std::string error;
    ASSERT_EQ(standin::LoadScene(bytes.data(), bytes.size(), classes, loaded, &error), IO_OK)
        << error;
    ASSERT_EQ(loaded.Count(), 1);
    auto* top = dynamic_cast<ProbeMap*>(loaded.Get(0));
    ASSERT_NE(top, nullptr);
    auto* sub = dynamic_cast<ProbeMap*>(top->GetSubTexmap(0));
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(top->level, 0.25f);
    EXPECT_TRUE(top->GetName() == L"top");
    EXPECT_EQ(top->gbufID, 9u);
    EXPECT_EQ(top->Output()->GetOutputLevel(0), 0.5f);
    EXPECT_EQ(sub->level, 0.75f);
    EXPECT_EQ(sub->Output()->GetOutputLevel(0), 1.0f);
    EXPECT_NE(sub->Output(), top->Output());
    ASSERT_NE(top->GetReference(2), nullptr);
    EXPECT_EQ(top->GetReference(2), sub->GetReference(2)) << "a shared target stays shared";
    EXPECT_EQ(static_cast<TextureOutput*>(top->GetReference(2))->GetOutputLevel(0), 2.0f);
    EXPECT_EQ(sub->GetSubTexmap(0), nullptr);

    // Saving the loaded scene gives the same bytes.
    std::vector<std::uint8_t> again;
    ASSERT_EQ(standin::SaveScene(loaded, again), IO_OK);
    EXPECT_EQ(again, bytes);
}

TEST_F(SceneFile, FilesOnDiskRoundTrip) {
    const std::vector<std::uint8_t> bytes = SaveSample();
    standin::SceneRoots scene, loaded;
    ASSERT_EQ(standin::LoadScene(bytes.data(), bytes.size(), classes, scene), IO_OK);
    const std::string path = ::testing::TempDir() + "scene_file_test.vscn";
    ASSERT_EQ(standin::SaveSceneFile(scene, path), IO_OK);
    ASSERT_EQ(standin::LoadSceneFile(path, classes, loaded), IO_OK);
    EXPECT_EQ(dynamic_cast<ProbeMap*>(loaded.Get(0))->level, 0.25f);
    std::remove(path.c_str());
    std::string error;
    EXPECT_EQ(standin::LoadSceneFile(path, classes, loaded, &error), IO_ERROR);
    EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
}

TEST_F(SceneFile, AnUnknownClassIsAClearError) {
    const std::vector<std::uint8_t> bytes = SaveSample();
    standin::ClassDirectory hostOnly;
    standin::SceneRoots loaded;
    std::string error;
    EXPECT_EQ(standin::LoadScene(bytes.data(), bytes.size(), hostOnly, loaded, &error), IO_ERROR);
    EXPECT_NE(
        error.find("unknown class: super class 0x00000C10, class ID (0x11223344, 0x55667788)"),
        std::string::npos)
        << error;
    EXPECT_EQ(loaded.Count(), 0);
}

TEST_F(SceneFile, EveryTruncationIsAnErrorWithoutCrashOrLeak) {
    const std::vector<std::uint8_t> bytes = SaveSample();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        standin::SceneRoots loaded;
        EXPECT_EQ(standin::LoadScene(bytes.data(), length, classes, loaded), IO_ERROR)
            << "length " << length;
        EXPECT_EQ(loaded.Count(), 0);
        EXPECT_EQ(ProbeMap::live, 0) << "length " << length;
    }
}

TEST_F(SceneFile, FlippedBytesNeverCrashOrLeak) {
    const std::vector<std::uint8_t> bytes = SaveSample();
    int refused = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::vector<std::uint8_t> damaged = bytes;
        damaged[at] ^= 0xFF;
        standin::SceneRoots loaded;
        if (standin::LoadScene(damaged.data(), damaged.size(), classes, loaded) != IO_OK) {
            EXPECT_EQ(loaded.Count(), 0);
            ++refused;
        }
        loaded.Clear();
        EXPECT_EQ(ProbeMap::live, 0) << "byte " << at;
    }
    EXPECT_GT(refused, 0);
}

// A scene of ProbeMaps written chunk by chunk, to reach the loader's own checks.
std::vector<std::uint8_t> Craft(const std::vector<std::vector<std::int32_t>>& refs,
                                const std::vector<std::int32_t>& roots) {
    namespace sc = standin::scene_chunk;
    standin::ChunkWriter w;
    ULONG n = 0;
    auto ints = [&](USHORT id, const std::vector<std::int32_t>& values) {
        const auto count = static_cast<std::uint32_t>(values.size());
        w.BeginChunk(id);
        w.Write(&count, 4, &n);
        if (count) w.Write(values.data(), count * 4, &n);
        w.EndChunk();
    };
    const std::uint32_t header[2] = {sc::kMagic, sc::kVersion};
    w.BeginChunk(sc::kHeader);
    w.Write(header, sizeof header, &n);
    w.EndChunk();
    for (const auto& objectRefs : refs) {
        const std::uint32_t identity[3] = {TEXMAP_CLASS_ID, kProbeClassID.PartA(),
                                           kProbeClassID.PartB()};
        w.BeginChunk(sc::kObject);
        w.BeginChunk(sc::kClass);
        w.Write(identity, sizeof identity, &n);
        w.EndChunk();
        w.BeginChunk(sc::kData);
        w.EndChunk();
        ints(sc::kRefs, objectRefs);
        w.EndChunk();
    }
    ints(sc::kRoots, roots);
    return w.Bytes();
}

TEST_F(SceneFile, LoaderChecksReferencesAndRoots) {
    struct Case {
        const char* what;
        std::vector<std::vector<std::int32_t>> refs;
        std::vector<std::int32_t> roots;
        const char* error;  // null: loads
    } cases[] = {
        {"two maps, one the other's sub-texmap", {{-1, 1, -1}, {-1, -1, -1}}, {0}, nullptr},
        {"a reference loop", {{-1, 1, -1}, {-1, 0, -1}}, {0}, "cannot be restored"},
        {"a reference to itself", {{-1, -1, 0}}, {0}, "cannot be restored"},
        {"a reference past the objects", {{-1, 5, -1}}, {0}, "no such object"},
        {"a negative reference", {{-1, -2, -1}}, {0}, "no such object"},
        {"a reference slot past NumRefs", {{-1, -1, -1, 0}}, {0}, "cannot be restored"},
        {"a root past the objects", {{-1, -1, -1}}, {1}, "root 1: no such object"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::uint8_t> bytes = Craft(c.refs, c.roots);
        standin::SceneRoots loaded;
        std::string error;
        const IOResult result =
            standin::LoadScene(bytes.data(), bytes.size(), classes, loaded, &error);
        if (c.error) {
            EXPECT_EQ(result, IO_ERROR);
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
            EXPECT_EQ(ProbeMap::live, 0);
        } else {
            EXPECT_EQ(result, IO_OK) << error;
            EXPECT_EQ(ProbeMap::live, 2);
            // Reference 0 was stored empty: the constructor's output is gone.
            EXPECT_EQ(loaded.Get(0)->GetReference(0), nullptr);
        }
    }
}

TEST_F(SceneFile, SaveReportsObjectsThatFailOrLeaveChunksOpen) {
    for (auto mode : {ProbeMap::SaveMode::kFail, ProbeMap::SaveMode::kUnbalanced}) {
        standin::SceneRoots roots;
        auto* map = new ProbeMap;
        map->saveMode = mode;
        roots.Add(map);
        std::vector<std::uint8_t> bytes{1, 2, 3};
        std::string error;
        EXPECT_EQ(standin::SaveScene(roots, bytes, &error), IO_ERROR);
        EXPECT_TRUE(bytes.empty());
        EXPECT_NE(error.find("object 0"), std::string::npos) << error;
    }
}

}  // namespace
