// Damaged scene files: a saved scene of several maps cut at every byte and hit by seeded
// random bit flips. A damaged file either loads (the flip hit a stored value) or is refused
// with IO_ERROR, and a refused load leaves the destination scene exactly as it was. Nothing
// crashes or leaks (the sanitizer builds check that), and the undamaged file round-trips
// byte for byte.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include <standin/animate_mode.h>
#include <standin/class_directory.h>
#include <standin/scene_file.h>
#include <standin/scene_roots.h>

#include "tests/plugin/texmap_fixture.h"

namespace texmap_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr unsigned kFlipSeed = 20261208;
constexpr int kFlips = 1000;

class TexmapFaultInjection : public TexmapTest {
  protected:
    void SetUp() override {
        TexmapTest::SetUp();
        if (!HasFatalFailure()) RegisterClass();
    }

    Texmap* AddMap(standin::SceneRoots& scene) {
        Texmap* map = NewMap().release();
        EXPECT_GE(scene.Add(map), 0);
        return map;
    }

    // Four maps: typed custom values; a preset with an adjusted colour, output and name;
    // animated parameters; a map holding a sub-map of its own.
    void BuildSampleScene(standin::SceneRoots& scene) {
        Texmap* custom = AddMap(scene);
        Block(*custom).SetValue(kPreset, 0, 0);
        WriteParams(Block(*custom), 0,
                    Custom({0.3f, 1.7f, 2.9f, 4.1f, 0.05f, 99.5f}, 0.6f, -120.0f, 70.0f));

        Texmap* preset = AddMap(scene);
        Block(*preset).SetValue(kPreset, 0, 9);
        Block(*preset).SetValue(kGamma, 0, 2.0f);
        Block(*preset).SetValue(kHue, 0, -30.0f);
        OutputOf(*preset)->SetOutputLevel(0, 0.6f);
        OutputOf(*preset)->SetInvert(TRUE);
        preset->SetName(MSTR(L"Platinum, cool"));
        preset->gbufID = 3;

        Texmap* animated = AddMap(scene);
        {
            standin::AnimateModeScope animate;
            Block(*animated).SetValue(kNRed, 50, 1.9f);
            Block(*animated).SetValue(kNRed, 150, 0.4f);
            Block(*animated).SetValue(kKBlue, 100, 5.0f);
            Block(*animated).SetValue(kHue, 300, 90.0f);
            Block(*animated).SetValue(kPreset, 100, 2);
        }

        Texmap* parent = AddMap(scene);
        Texmap* sub = NewMap().release();  // held by its parent from here on
        Block(*sub).SetValue(kPreset, 0, 3);
        parent->SetSubTexmap(0, sub);
    }

    Bytes SavedSampleScene() {
        standin::SceneRoots scene;
        BuildSampleScene(scene);
        Bytes bytes;
        std::string error;
        EXPECT_EQ(standin::SaveScene(scene, bytes, &error), IO_OK) << error;
        return bytes;
    }

    // A destination that already holds one map, as a scene merged into would.
    struct Destination {
        standin::SceneRoots scene;
        ReferenceTarget* existing = nullptr;
    };
    void Prepare(Destination& d) { d.existing = AddMap(d.scene); }
    static bool Untouched(const Destination& d) {
        return d.scene.Count() == 1 && d.scene.Get(0) == d.existing;
    }
};

IOResult Load(const Bytes& bytes, std::size_t size, standin::SceneRoots& into) {
    return standin::LoadScene(bytes.data(), size, standin::ClassDirectory::Host(), into);
}

// A loaded map must still update and evaluate, whatever values a flip gave it.
void Exercise(standin::SceneRoots& scene) {
    for (int i = 0; i < scene.Count(); ++i) {
        if (auto* map = dynamic_cast<Texmap*>(scene.Get(i))) {
            UpdateAt(*map, 0);
            for (const View& view : Views()) EvalColorAt(*map, view.n, view.v);
        }
    }
}

TEST_F(TexmapFaultInjection, TheUndamagedSceneRoundTripsByteForByte) {
    const Bytes bytes = SavedSampleScene();
    standin::SceneRoots loaded;
    std::string error;
    ASSERT_EQ(standin::LoadScene(bytes.data(), bytes.size(), standin::ClassDirectory::Host(),
                                 loaded, &error),
              IO_OK)
        << error;
    EXPECT_EQ(loaded.Count(), 4);
    Bytes again;
    ASSERT_EQ(standin::SaveScene(loaded, again), IO_OK);
    EXPECT_TRUE(again == bytes) << "saved " << again.size() << " bytes, loaded " << bytes.size();
}

TEST_F(TexmapFaultInjection, ACutAtEveryByteIsRefusedAndAddsNothing) {
    const Bytes bytes = SavedSampleScene();
    int cuts = 0;
    for (std::size_t length = 0; length < bytes.size(); ++length, ++cuts) {
        Destination d;
        Prepare(d);
        EXPECT_EQ(Load(bytes, length, d.scene), IO_ERROR) << "cut at " << length;
        EXPECT_TRUE(Untouched(d)) << "cut at " << length;
    }
    RecordProperty("cuts", cuts);
}

TEST_F(TexmapFaultInjection, RandomBitFlipsLoadOrAreRefusedWithoutTrace) {
    const Bytes good = SavedSampleScene();
    std::mt19937 rng(kFlipSeed);
    std::uniform_int_distribution<std::size_t> bit(0, good.size() * 8 - 1);
    int refused = 0;
    for (int flip = 0; flip < kFlips; ++flip) {
        const std::size_t at = bit(rng);
        Bytes damaged = good;
        damaged[at / 8] = static_cast<std::uint8_t>(damaged[at / 8] ^ (1u << (at % 8)));

        Destination d;
        Prepare(d);
        const IOResult result = Load(damaged, damaged.size(), d.scene);
        if (result == IO_OK) {
            EXPECT_GT(d.scene.Count(), 1) << "bit " << at;
            Exercise(d.scene);
        } else {
            ++refused;
            EXPECT_EQ(result, IO_ERROR) << "bit " << at;
            EXPECT_TRUE(Untouched(d)) << "bit " << at;
        }
    }
    // Most flips land in structure (chunk headers, class IDs, references) or in values the
    // map checks; the rest change a stored number and load.
    RecordProperty("refused", refused);
    std::printf("%d of %d bit flips refused, %d loaded\n", refused, kFlips, kFlips - refused);
}

// The fuzzer's seed (fuzz/corpus/scene_file) is this scene as the current code saves it.
// VELTRANE_UPDATE_SEEDS=1 rewrites it after a deliberate change of the format.
TEST_F(TexmapFaultInjection, TheFuzzSeedIsTheSampleSceneOfToday) {
    const Bytes bytes = SavedSampleScene();
    if (std::getenv("VELTRANE_UPDATE_SEEDS")) {
        std::ofstream(FUZZ_SCENE_SEED, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::ifstream in(FUZZ_SCENE_SEED, std::ios::binary);
    const Bytes seed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(seed == bytes) << FUZZ_SCENE_SEED << " is out of date";
}

}  // namespace
}  // namespace texmap_test
