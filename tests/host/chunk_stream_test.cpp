// The chunk stream behind ISave/ILoad: nesting, skipping, and damaged data.
#include <cstdint>
#include <cwchar>
#include <vector>

#include <gtest/gtest.h>

#include <standin/chunk_stream.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

void WriteU32(ISave& s, std::uint32_t v) {
    ULONG n = 0;
    ASSERT_EQ(s.Write(&v, sizeof v, &n), IO_OK);
    ASSERT_EQ(n, sizeof v);
}

// 0x10 { 0x11 [1], 0x12 { 0x13 [2] }, 0x14 [] }, 0x20 [3]
Bytes Sample() {
    standin::ChunkWriter w;
    w.BeginChunk(0x10);
    w.BeginChunk(0x11);
    WriteU32(w, 1);
    w.EndChunk();
    w.BeginChunk(0x12);
    w.BeginChunk(0x13);
    WriteU32(w, 2);
    w.EndChunk();
    w.EndChunk();
    w.BeginChunk(0x14);
    w.EndChunk();
    w.EndChunk();
    w.BeginChunk(0x20);
    WriteU32(w, 3);
    w.EndChunk();
    EXPECT_TRUE(w.Good());
    EXPECT_EQ(w.Depth(), 0);
    return w.Bytes();
}

TEST(ChunkStream, NestedChunksReadBackLevelByLevel) {
    const Bytes bytes = Sample();
    standin::ChunkReader r(bytes.data(), bytes.size());
    std::uint32_t v = 0;
    ULONG n = 0;

    EXPECT_EQ(r.PeekNextChunkID(), 0x10);
    ASSERT_EQ(r.OpenChunk(), IO_OK);
    EXPECT_EQ(r.CurChunkID(), 0x10);
    EXPECT_EQ(r.CurChunkType(), CONTAINER_CHUNK);

    ASSERT_EQ(r.OpenChunk(), IO_OK);
    EXPECT_EQ(r.CurChunkType(), DATA_CHUNK);
    EXPECT_EQ(r.Read(&v, 4, &n), IO_OK);
    EXPECT_EQ(v, 1u);
    EXPECT_EQ(r.CloseChunk(), IO_OK);

    ASSERT_EQ(r.OpenChunk(), IO_OK);  // 0x12, left unread: closing skips 0x13
    EXPECT_EQ(r.PeekNextChunkID(), 0x13);
    EXPECT_EQ(r.CloseChunk(), IO_OK);

    ASSERT_EQ(r.OpenChunk(), IO_OK);
    EXPECT_EQ(r.CurChunkID(), 0x14);
    EXPECT_EQ(r.OpenChunk(), IO_END) << "an empty chunk is an empty level";
    EXPECT_EQ(r.CloseChunk(), IO_OK);
    EXPECT_EQ(r.OpenChunk(), IO_END) << "end of 0x10's level";
    EXPECT_EQ(r.CloseChunk(), IO_OK);

    ASSERT_EQ(r.OpenChunk(), IO_OK);
    EXPECT_EQ(r.CurChunkID(), 0x20);
    EXPECT_EQ(r.Read(&v, 4, &n), IO_OK);
    EXPECT_EQ(v, 3u);
    EXPECT_EQ(r.CloseChunk(), IO_OK);
    EXPECT_EQ(r.OpenChunk(), IO_END);
    EXPECT_FALSE(r.Damaged());
}

// A chunk header: ID, then the length word (top bit: container).
Bytes Header(std::uint16_t id, std::uint32_t word) {
    Bytes b;
    b.push_back(static_cast<std::uint8_t>(id));
    b.push_back(static_cast<std::uint8_t>(id >> 8));
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
    return b;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ChunkStream, DamageIsAnErrorNeverAnOverrun) {
    const Bytes four(4, 0xAB);
    const std::uint32_t container = standin::kChunkContainerBit;
    struct Case {
        const char* what;
        Bytes bytes;
        int depth;  // chunks to enter before the failing OpenChunk
    } cases[] = {
        {"header cut short", Bytes{0x10, 0x00, 0x04, 0x00}, 0},
        {"length past the end", Header(0x10, 5) + four, 0},
        {"length past its parent", Header(0x10, container | 10) + Header(0x11, 5) + four, 1},
        {"huge length in a parent", Header(0x10, container | 10) + Header(0x11, 0x7fffffff) + four,
         1},
        {"header cut short in a parent", Header(0x10, container | 4) + four, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        standin::ChunkReader r(c.bytes.data(), c.bytes.size());
        for (int i = 0; i < c.depth; ++i) ASSERT_EQ(r.OpenChunk(), IO_OK);
        EXPECT_EQ(r.OpenChunk(), IO_ERROR);
        EXPECT_TRUE(r.Damaged());
    }
}

TEST(ChunkStream, ReadsStayInsideTheirChunk) {
    const Bytes bytes = Sample();
    standin::ChunkReader r(bytes.data(), bytes.size());
    std::uint32_t pair[2] = {7, 7};
    ULONG n = 99;
    EXPECT_EQ(r.Read(pair, 4, &n), IO_ERROR) << "no chunk open";
    ASSERT_EQ(r.OpenChunk(), IO_OK);
    EXPECT_EQ(r.Read(pair, 4, &n), IO_ERROR) << "a container holds no data";
    ASSERT_EQ(r.OpenChunk(), IO_OK);  // 0x11: four bytes
    EXPECT_EQ(r.Read(pair, sizeof pair, &n), IO_ERROR);
    EXPECT_EQ(n, 4u);
    EXPECT_EQ(pair[1], 7u) << "nothing written past the chunk's bytes";
    EXPECT_EQ(r.OpenChunk(), IO_ERROR) << "data is not a sequence of chunks";
    EXPECT_EQ(r.CloseChunk(), IO_OK);
    EXPECT_EQ(r.CloseChunk(), IO_OK);
    EXPECT_EQ(r.CloseChunk(), IO_ERROR) << "nothing left to close";
    EXPECT_TRUE(r.Damaged());
}

TEST(ChunkStream, WriterRefusesDataMixedWithChunks) {
    struct Case {
        const char* what;
        void (*misuse)(standin::ChunkWriter&);
    } cases[] = {
        {"data outside any chunk",
         [](standin::ChunkWriter& w) {
             std::uint32_t v = 0;
             ULONG n = 0;
             EXPECT_EQ(w.Write(&v, 4, &n), IO_ERROR);
         }},
        {"chunk after data",
         [](standin::ChunkWriter& w) {
             w.BeginChunk(1);
             WriteU32(w, 1);
             w.BeginChunk(2);
             w.EndChunk();
             w.EndChunk();
         }},
        {"data after a chunk",
         [](standin::ChunkWriter& w) {
             w.BeginChunk(1);
             w.BeginChunk(2);
             w.EndChunk();
             std::uint32_t v = 0;
             ULONG n = 0;
             EXPECT_EQ(w.Write(&v, 4, &n), IO_ERROR);
             w.EndChunk();
         }},
        {"EndChunk without a chunk", [](standin::ChunkWriter& w) { w.EndChunk(); }},
    };
    for (const Case& c : cases) {
        standin::ChunkWriter w;
        c.misuse(w);
        EXPECT_FALSE(w.Good()) << c.what;
    }
}

TEST(ChunkStream, WideStrings) {
    for (const wchar_t* text : {L"", L"Veltrane", L"Kupfer \u00e4\u00df \u20ac"}) {
        standin::ChunkWriter w;
        w.BeginChunk(1);
        ASSERT_EQ(w.WriteWString(text), IO_OK);
        w.EndChunk();
        standin::ChunkReader r(w.Bytes().data(), w.Bytes().size());
        wchar_t* back = nullptr;
        ASSERT_EQ(r.OpenChunk(), IO_OK);
        ASSERT_EQ(r.ReadWStringChunk(&back), IO_OK);
        EXPECT_EQ(std::wcscmp(back, text), 0);
    }
    // Without its terminating null the chunk is no string.
    standin::ChunkWriter w;
    w.BeginChunk(1);
    WriteU32(w, L'x');
    w.EndChunk();
    standin::ChunkReader r(w.Bytes().data(), w.Bytes().size());
    wchar_t* back = nullptr;
    ASSERT_EQ(r.OpenChunk(), IO_OK);
    EXPECT_EQ(r.ReadWStringChunk(&back), IO_ERROR);
    EXPECT_EQ(back, nullptr);
}

}  // namespace
