// Scenes damaged as a hostile user would damage them: a reference table that offers a map the
// wrong kind of object, random single-bit flips and cuts at every byte. Each load either works
// or is refused with a message and leaves the destination as it was; the sanitizer build
// checks that no step casts, frees or leaks wrongly on the way.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#include <standin/class_directory.h>
#include <standin/scene_file.h>
#include <standin/scene_roots.h>
#include <standin/simple_shade_context.h>

#include "tests/plugin/texmap_fixture.h"
#include "tests/support/animate_scope.h"

namespace texmap_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class DamagedScene : public TexmapScene {
  protected:
    static IOResult Load(const Bytes& bytes, standin::SceneRoots& into, std::string* error) {
        return standin::LoadScene(bytes.data(), bytes.size(), standin::ClassDirectory::Host(), into,
                                  error);
    }

    // Three maps: a metal with an adjusted colour, an animated custom one holding a sub-map
    // of its own, and one at its defaults.
    void BuildRichScene(standin::SceneRoots& scene) {
        Texmap* metal = AddNewMap(scene);
        Block(*metal).SetValue(kPreset, 0, 7);
        Block(*metal).SetValue(kGamma, 0, 2.2f);
        Block(*metal).SetValue(kHue, 0, 40.0f);
        metal->SetName(MSTR(L"Gold, warm"));

        Texmap* animated = AddNewMap(scene);
        Block(*animated).SetValue(kPreset, 0, 0);
        {
            AnimateScope animate;
            Block(*animated).SetValue(kNRed, 50, 1.9f);
            Block(*animated).SetValue(kKGreen, 150, 3.5f);
            Block(*animated).SetValue(kSat, 100, -40.0f);
        }
        Texmap* sub = NewMap().release();  // held by `animated` from here on
        Block(*sub).SetValue(kPreset, 0, 3);
        animated->SetSubTexmap(0, sub);
        animated->gbufID = 4;

        AddNewMap(scene);
    }
};

// The reference list of a map whose block and output were saved as objects 1 and 2 and
// whose sub-texmap slot is empty, as its bytes in the file.
Bytes RefsChunk(std::int32_t block, std::int32_t output, std::int32_t sub) {
    const std::int32_t words[] = {3, block, output, sub};
    Bytes out = {static_cast<std::uint8_t>(standin::scene_chunk::kRefs & 0xff),
                 static_cast<std::uint8_t>(standin::scene_chunk::kRefs >> 8)};
    const auto size = static_cast<std::uint32_t>(sizeof words);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    for (std::int32_t w : words) {
        for (int i = 0; i < 4; ++i) {
            out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(w) >> (8 * i)));
        }
    }
    return out;
}

// `bytes` with its one occurrence of `from` replaced by `to` (of the same length).
Bytes Replaced(Bytes bytes, const Bytes& from, const Bytes& to) {
    auto at = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
    EXPECT_NE(at, bytes.end()) << "pattern not found";
    if (at != bytes.end()) std::copy(to.begin(), to.end(), at);
    return bytes;
}

TEST_F(DamagedScene, AReferenceToTheWrongKindOfObjectIsRefused) {
    standin::SceneRoots scene;
    AddNewMap(scene);
    const Bytes good = Save(scene);
    const Bytes goodRefs = RefsChunk(1, 2, -1);
    struct Case {
        const char* what;
        Bytes refs;
        const char* message;
    };
    const Case cases[] = {
        {"the block slot given the texture output", RefsChunk(2, 2, -1),
         "reference 0 of object 0 (Veltrane): refused object 2 (Output)"},
        {"the output slot given the block", RefsChunk(1, 1, -1),
         "reference 1 of object 0 (Veltrane): refused object 1 (ParamBlock2)"},
        {"the sub-texmap slot given a block", RefsChunk(1, 2, 1),
         "reference 2 of object 0 (Veltrane): refused object 1 (ParamBlock2)"},
        {"the sub-texmap slot given the output", RefsChunk(1, 2, 2),
         "reference 2 of object 0 (Veltrane): refused object 2 (Output)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        standin::SceneRoots into;
        Texmap* before = AddNewMap(into);
        std::string error;
        EXPECT_EQ(Load(Replaced(good, goodRefs, c.refs), into, &error), IO_ERROR);
        EXPECT_EQ(error, c.message);
        ASSERT_EQ(into.Count(), 1);  // the destination as it was
        EXPECT_EQ(into.Get(0), before);
    }
}

TEST_F(DamagedScene, AGoodSceneRoundTripsByteForByte) {
    standin::SceneRoots scene;
    BuildRichScene(scene);
    const Bytes saved = Save(scene);

    standin::SceneRoots loaded;
    std::string error;
    ASSERT_EQ(Load(saved, loaded, &error), IO_OK) << error;
    EXPECT_EQ(loaded.Count(), 3);
    EXPECT_EQ(Save(loaded), saved);
}

// A destination that already holds one map, as a scene merged into would: a refused load
// must leave it exactly as it was.
class Destination {
  public:
    explicit Destination(Texmap* existing) : existing_(existing) { scene.Add(existing); }
    bool Untouched() const { return scene.Count() == 1 && scene.Get(0) == existing_; }
    standin::SceneRoots scene;

  private:
    Texmap* existing_;
};

// A loaded map must still update and evaluate, whatever values a flip gave it.
void Exercise(standin::SceneRoots& scene) {
    for (int i = 0; i < scene.Count(); ++i) {
        if (auto* map = dynamic_cast<Texmap*>(scene.Get(i))) {
            UpdateAt(*map, 50);
            for (const View& view : Views()) EvalColorAt(*map, view.n, view.v);
        }
    }
}

constexpr int kFlips = 1000;

// Every flip either loads (it changed a stored value) or is refused with a message, leaving
// the destination as it was; what loads can be evaluated.
TEST_F(DamagedScene, RandomBitFlipsLoadOrAreRefusedWithoutTrace) {
    standin::SceneRoots scene;
    BuildRichScene(scene);
    const Bytes saved = Save(scene);

    std::mt19937 random(20261208u);
    std::uniform_int_distribution<std::size_t> bitOf(0, saved.size() * 8 - 1);
    int refused = 0;
    for (int flip = 0; flip < kFlips; ++flip) {
        const std::size_t bit = bitOf(random);
        SCOPED_TRACE(bit);
        Bytes damaged = saved;
        damaged[bit / 8] = static_cast<std::uint8_t>(damaged[bit / 8] ^ (1u << (bit % 8)));

        Destination into(NewMap().release());
        std::string error;
        const IOResult result = Load(damaged, into.scene, &error);
        if (result == IO_OK) {
            EXPECT_GT(into.scene.Count(), 1);
            Exercise(into.scene);
            continue;
        }
        ++refused;
        EXPECT_EQ(result, IO_ERROR);
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(into.Untouched());
    }
    // Both roads were taken: the flips hit data that loads and structure that does not.
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, kFlips);
    std::printf("%d of %d bit flips refused, %d loaded\n", refused, kFlips, kFlips - refused);
}

// Cut anywhere, the scene is refused and the destination gains nothing.
TEST_F(DamagedScene, ACutAtEveryByteIsRefusedWithoutTrace) {
    standin::SceneRoots scene;
    BuildRichScene(scene);
    const Bytes saved = Save(scene);
    for (std::size_t length = 0; length < saved.size(); ++length) {
        SCOPED_TRACE(length);
        Destination into(NewMap().release());
        std::string error;
        EXPECT_EQ(Load(Bytes(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(length)),
                       into.scene, &error),
                  IO_ERROR);
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(into.Untouched());
    }
    std::printf("%zu cuts refused\n", saved.size());
}

// The scene fuzzer's seed (fuzz/corpus/scene_file) is this scene as the code saves it today.
// VELTRANE_UPDATE_SEEDS=1 rewrites it after a deliberate change of the format.
TEST_F(DamagedScene, TheFuzzSeedIsTheRichSceneOfToday) {
    standin::SceneRoots scene;
    BuildRichScene(scene);
    const Bytes saved = Save(scene);
    if (std::getenv("VELTRANE_UPDATE_SEEDS")) {
        std::ofstream(FUZZ_SCENE_SEED, std::ios::binary)
            .write(reinterpret_cast<const char*>(saved.data()),
                   static_cast<std::streamsize>(saved.size()));
    }
    std::ifstream in(FUZZ_SCENE_SEED, std::ios::binary);
    const Bytes seed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(seed == saved) << FUZZ_SCENE_SEED << " is out of date";
}

}  // namespace
}  // namespace texmap_test
