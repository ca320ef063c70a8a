// Saving and loading: the map's own chunk, tolerance of foreign chunks, damaged streams,
// and scene round trips in which nothing is lost.
#include <algorithm>
#include <cstring>

#include <standin/chunk_stream.h>
#include <standin/class_directory.h>
#include <standin/scene_file.h>
#include <standin/scene_roots.h>

#include "tests/plugin/texmap_fixture.h"
#include "tests/support/animate_scope.h"
#include "tests/support/same_block.h"

namespace texmap_test {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr USHORT kHeaderChunk = 0x4000;

using TexmapPersistence = TexmapTest;

// One chunk in the stand-in's stream format (chunk_stream.h).
Bytes Chunk(USHORT id, const Bytes& payload, bool container) {
    const auto word =
        static_cast<std::uint32_t>(payload.size()) | (container ? standin::kChunkContainerBit : 0u);
    Bytes out = {static_cast<std::uint8_t>(id & 0xff), static_cast<std::uint8_t>(id >> 8)};
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Offsets at which a complete chunk of the top level ends.
std::vector<std::size_t> ChunkEnds(const Bytes& bytes) {
    std::vector<std::size_t> ends;
    std::size_t pos = 0;
    while (bytes.size() - pos >= standin::kChunkHeaderSize) {
        std::uint32_t word = 0;
        std::memcpy(&word, &bytes[pos + 2], sizeof word);  // little-endian host
        pos += standin::kChunkHeaderSize + (word & ~standin::kChunkContainerBit);
        ends.push_back(pos);
    }
    return ends;
}

Bytes SavedBy(ReferenceMaker& object) {
    standin::ChunkWriter writer;
    EXPECT_EQ(object.Save(&writer), IO_OK);
    EXPECT_EQ(writer.Depth(), 0);
    EXPECT_TRUE(writer.Good());
    return writer.Bytes();
}

const Bytes kForeignData = Chunk(0x1234, {1, 2, 3, 4, 5}, false);
const Bytes kForeignEmpty = Chunk(0x4001, {}, false);
const Bytes kForeignContainer =
    Chunk(0x2000, Concat({Chunk(0x4000, {9, 9}, false), Chunk(0x0100, {7}, false)}), true);

IOResult LoadInto(Texmap& map, const Bytes& bytes) {
    standin::ChunkReader reader(bytes.data(), bytes.size());
    return map.Load(&reader);
}

TEST_F(TexmapPersistence, SaveWritesOneHeaderChunkHoldingTheBaseData) {
    MapPtr map = NewMap();
    map->SetName(MSTR(L"Brushed"));
    map->gbufID = 12;
    const Bytes saved = SavedBy(*map);

    standin::ChunkReader reader(saved.data(), saved.size());
    ASSERT_EQ(reader.OpenChunk(), IO_OK);
    EXPECT_EQ(reader.CurChunkID(), kHeaderChunk);
    const Bytes payload(saved.begin() + standin::kChunkHeaderSize,
                        saved.begin() + static_cast<std::ptrdiff_t>(standin::kChunkHeaderSize +
                                                                    reader.Remaining()));
    EXPECT_EQ(reader.CloseChunk(), IO_OK);
    EXPECT_EQ(reader.OpenChunk(), IO_END);

    // Exactly what the base class writes for this object, and nothing of the map's own.
    standin::ChunkWriter base;
    ASSERT_EQ(map->MtlBase::Save(&base), IO_OK);
    EXPECT_EQ(payload, base.Bytes());
}

// A writer that refuses every byte, as a full disk would.
class FailingSave : public ISave {
  public:
    void BeginChunk(USHORT) override { ++depth; }
    void EndChunk() override { --depth; }
    IOResult Write(const void*, ULONG, ULONG* nwrit) override {
        if (nwrit) *nwrit = 0;
        return IO_ERROR;
    }
    IOResult WriteWString(const wchar_t*) override { return IO_ERROR; }
    int depth = 0;
};

// The failure is reported and the map's chunk is closed all the same.
TEST_F(TexmapPersistence, AFailedWriteIsReported) {
    MapPtr map = NewMap();
    FailingSave isave;
    EXPECT_EQ(map->Save(&isave), IO_ERROR);
    EXPECT_EQ(isave.depth, 0);
}

// A reader whose every chunk fails to close, as a stream damaged past a chunk's end would.
class FailingClose : public standin::ChunkReader {
  public:
    using ChunkReader::ChunkReader;
    IOResult CloseChunk() override {
        ChunkReader::CloseChunk();
        return IO_ERROR;
    }
};

TEST_F(TexmapPersistence, AChunkThatFailsToCloseFailsTheLoad) {
    MapPtr source = NewMap();
    const Bytes saved = Concat({kForeignData, SavedBy(*source)});
    MapPtr map = NewMap();
    FailingClose reader(saved.data(), saved.size());
    EXPECT_EQ(map->Load(&reader), IO_ERROR);
}

TEST_F(TexmapPersistence, LoadReadsTheHeaderChunkAndSkipsOthers) {
    MapPtr source = NewMap();
    source->SetName(MSTR(L"Polished"));
    source->gbufID = 7;
    const Bytes header = SavedBy(*source);
    struct Layout {
        const char* what;
        Bytes bytes;
    };
    const Layout layouts[] = {
        {"alone", header},
        {"after a data chunk", Concat({kForeignData, header})},
        {"before an empty chunk", Concat({header, kForeignEmpty})},
        {"between others", Concat({kForeignContainer, header, kForeignData})},
        {"twice", Concat({header, kForeignEmpty, header})},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.what);
        MapPtr map = NewMap();
        standin::ChunkReader reader(layout.bytes.data(), layout.bytes.size());
        EXPECT_EQ(map->Load(&reader), IO_OK);
        EXPECT_FALSE(reader.Damaged());
        EXPECT_EQ(reader.Depth(), 0);
        EXPECT_EQ(reader.OpenChunk(), IO_END);  // everything consumed
        EXPECT_EQ(std::wstring(map->GetName().data()), L"Polished");
        EXPECT_EQ(map->gbufID, 7u);
    }
    MapPtr untouched = NewMap();
    EXPECT_EQ(LoadInto(*untouched, Bytes{}), IO_OK);  // no chunks at all
    EXPECT_EQ(untouched->gbufID, 0u);
}

// A stream cut anywhere but between two chunks, or damaged inside the map's chunk, must not
// load as if it were good.
TEST_F(TexmapPersistence, DamagedStreamsGiveIOError) {
    MapPtr source = NewMap();
    source->SetName(MSTR(L"Cut"));
    source->gbufID = 3;
    const Bytes good = Concat({kForeignData, SavedBy(*source), kForeignContainer});
    const std::vector<std::size_t> ends = ChunkEnds(good);
    ASSERT_EQ(ends.back(), good.size());
    for (std::size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        const bool betweenChunks =
            length == 0 || std::find(ends.begin(), ends.end(), length) != ends.end();
        MapPtr map = NewMap();
        EXPECT_EQ(
            LoadInto(*map, Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length))),
            betweenChunks ? IO_OK : IO_ERROR);
    }

    // The map's chunk intact on the outside, its content cut: each inner chunk claims more
    // than is left of it.
    standin::ChunkWriter base;
    ASSERT_EQ(source->MtlBase::Save(&base), IO_OK);
    const Bytes& inner = base.Bytes();
    const std::vector<std::size_t> innerEnds = ChunkEnds(inner);
    for (std::size_t length = 1; length < inner.size(); ++length) {
        if (std::find(innerEnds.begin(), innerEnds.end(), length) != innerEnds.end()) continue;
        SCOPED_TRACE(length);
        const Bytes cut(inner.begin(), inner.begin() + static_cast<std::ptrdiff_t>(length));
        MapPtr map = NewMap();
        EXPECT_EQ(LoadInto(*map, Chunk(kHeaderChunk, cut, true)), IO_ERROR);
    }

    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"trailing bytes shorter than a chunk header",
         Concat({SavedBy(*source), Bytes{0x00, 0x40, 0x01}})},
        {"a header chunk holding data instead of chunks",
         Chunk(kHeaderChunk, {1, 2, 3, 4, 5, 6, 7, 8}, false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MapPtr map = NewMap();
        EXPECT_EQ(LoadInto(*map, c.bytes), IO_ERROR);
    }
}

// ---- Scene round trips

const TimeValue kTimes[] = {-100, 0, 25, 50, 100, 150, 300, 1000};

void ExpectSameMap(Texmap& loaded, Texmap& original) {
    EXPECT_EQ(loaded.ClassID(), original.ClassID());
    EXPECT_EQ(std::wstring(loaded.GetName().data()), std::wstring(original.GetName().data()));
    EXPECT_EQ(loaded.gbufID, original.gbufID);
    IParamBlock2* block = loaded.GetParamBlock(0);
    ASSERT_NE(block, nullptr);
    IParamBlock2& expected = *original.GetParamBlock(0);
    ExpectSameBlock(*block, expected, kAllParamIDs, kTimes);
    TextureOutput* output = OutputOf(loaded);
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->GetOutputLevel(0), OutputOf(original)->GetOutputLevel(0));
    EXPECT_EQ(output->GetInvert(), OutputOf(original)->GetInvert());
    EXPECT_EQ(OutputViaBlock(loaded), output);

    for (TimeValue t : kTimes) {
        SCOPED_TRACE(t);
        Interval la = FOREVER, oa = FOREVER;
        loaded.Update(t, la);
        original.Update(t, oa);
        EXPECT_TRUE(la == oa);
        for (const View& view : Views()) {
            EXPECT_TRUE(SameBits(EvalColorAt(loaded, view.n, view.v),
                                 EvalColorAt(original, view.n, view.v)))
                << view.what;
        }
    }
}

TEST_F(TexmapScene, RoundTripsLoseNothing) {
    struct Setup {
        const char* what;
        void (*apply)(Texmap& map);
    };
    const Setup setups[] = {
        {"defaults", [](Texmap&) {}},
        {"typed values",
         [](Texmap& m) {
             Block(m).SetValue(kPreset, 0, 0);
             WriteParams(Block(m), 0,
                         Custom({0.3f, 1.7f, 2.9f, 4.1f, 0.05f, 99.5f}, 0.6f, -120.0f, 70.0f));
         }},
        {"a metal with an adjusted colour and output",
         [](Texmap& m) {
             Block(m).SetValue(kPreset, 0, 9);
             Block(m).SetValue(kGamma, 0, 2.0f);
             Block(m).SetValue(kHue, 0, -30.0f);
             OutputOf(m)->SetOutputLevel(0, 0.6f);
             OutputOf(m)->SetInvert(TRUE);
             m.gbufID = 3;
             m.SetName(MSTR(L"Platinum, cool"));
         }},
        {"animated values",
         [](Texmap& m) {
             AnimateScope animate;
             Block(m).SetValue(kNRed, 50, 1.9f);
             Block(m).SetValue(kNRed, 150, 0.4f);
             Block(m).SetValue(kKBlue, 100, 5.0f);
             Block(m).SetValue(kGamma, 25, 1.8f);
             Block(m).SetValue(kHue, 300, 90.0f);
             Block(m).SetValue(kSat, 100, -40.0f);
             Block(m).SetValue(kPreset, 100, 2);
         }},
    };
    for (const Setup& setup : setups) {
        SCOPED_TRACE(setup.what);
        standin::SceneRoots scene;
        Texmap* original = AddNewMap(scene);
        setup.apply(*original);
        const Bytes bytes = Save(scene);

        standin::SceneRoots loaded;
        std::string error;
        ASSERT_EQ(standin::LoadScene(bytes.data(), bytes.size(), standin::ClassDirectory::Host(),
                                     loaded, &error),
                  IO_OK)
            << error;
        ASSERT_EQ(loaded.Count(), 1);
        auto* map = dynamic_cast<Texmap*>(loaded.Get(0));
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(map->GetSubTexmap(0), nullptr);
        ExpectSameMap(*map, *original);

        // The loaded block reports its changes to the loaded map.
        Block(*map).SetValue(kPreset, 0, 5);
        EXPECT_TRUE(SameParams(ReadParams(Block(*map), 0), Metal(5, Block(*map).GetFloat(kGamma, 0),
                                                                 Block(*map).GetFloat(kHue, 0),
                                                                 Block(*map).GetFloat(kSat, 0))));
    }
}

TEST_F(TexmapScene, ASubTexmapTravelsWithItsMap) {
    standin::SceneRoots scene;
    Texmap* original = AddNewMap(scene);
    Texmap* sub = NewMap().release();  // held by the original from here on
    Block(*sub).SetValue(kPreset, 0, 3);
    original->SetSubTexmap(0, sub);
    const Bytes bytes = Save(scene);

    standin::SceneRoots loaded;
    ASSERT_EQ(
        standin::LoadScene(bytes.data(), bytes.size(), standin::ClassDirectory::Host(), loaded),
        IO_OK);
    auto* map = dynamic_cast<Texmap*>(loaded.Get(0));
    ASSERT_NE(map, nullptr);
    Texmap* loadedSub = map->GetSubTexmap(0);
    ASSERT_NE(loadedSub, nullptr);
    EXPECT_EQ(map->GetReference(2), loadedSub);
    ExpectSameMap(*loadedSub, *sub);
}

// Cut anywhere, a scene fails to load, and whatever was created on the way is gone again
// (the sanitizer build checks that nothing leaks).
TEST_F(TexmapScene, TruncatedScenesFailAtEveryLength) {
    standin::SceneRoots scene;
    Texmap* original = AddNewMap(scene);
    original->SetSubTexmap(0, NewMap().release());
    {
        AnimateScope animate;
        Block(*original).SetValue(kHue, 100, 45.0f);
    }
    const Bytes bytes = Save(scene);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        standin::SceneRoots loaded;
        EXPECT_EQ(standin::LoadScene(bytes.data(), length, standin::ClassDirectory::Host(), loaded),
                  IO_ERROR);
        EXPECT_EQ(loaded.Count(), 0);
    }
}

}  // namespace
}  // namespace texmap_test
