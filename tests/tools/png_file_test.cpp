// The rollout screenshot's PNG encoder: chunk layout, checksums and the stored image rows,
// read back independently of the encoder.
#include "tools/veltrane/png_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace veltrane::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

std::uint32_t Crc(const Bytes& b, std::size_t from, std::size_t to) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < to; ++i) {
        crc ^= b[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

struct Chunk {
    std::string type;
    Bytes data;
};

// Splits the file into chunks, checking each CRC.
std::vector<Chunk> Chunks(const Bytes& png) {
    std::vector<Chunk> chunks;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = U32(png, at);
        const std::size_t end = at + 8 + length;
        EXPECT_EQ(U32(png, end), Crc(png, at + 4, end)) << "CRC of chunk at " << at;
        chunks.push_back({std::string(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                      png.begin() + static_cast<std::ptrdiff_t>(at + 8)),
                          Bytes(png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                                png.begin() + static_cast<std::ptrdiff_t>(end))});
        at = end + 4;
    }
    EXPECT_EQ(at, png.size());
    return chunks;
}

// The bytes of a zlib stream of stored blocks, checking its header and Adler-32.
Bytes Inflate(const Bytes& z) {
    EXPECT_EQ(z[0], 0x78);
    Bytes raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        last = (z[at] & 1) != 0;
        EXPECT_EQ(z[at] & 6, 0) << "a stored block";
        const unsigned length = z[at + 1] | (z[at + 2] << 8);
        EXPECT_EQ(length ^ 0xFFFFu, unsigned(z[at + 3] | (z[at + 4] << 8)));
        raw.insert(raw.end(), z.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   z.begin() + static_cast<std::ptrdiff_t>(at + 5 + length));
        at += 5 + length;
    }
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(U32(z, at), (b << 16) | a);
    return raw;
}

TEST(Png, HoldsTheRowsUnfilteredInStoredBlocks) {
    struct Case {
        int width, height;
    } cases[] = {{1, 1}, {3, 2}, {300, 80}};  // the last needs two stored blocks
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        Bytes rgb(static_cast<std::size_t>(3 * c.width * c.height));
        for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7);
        const Bytes png = EncodePng(c.width, c.height, rgb);
        ASSERT_EQ(Bytes(png.begin(), png.begin() + 8),
                  (Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10}));
        const std::vector<Chunk> chunks = Chunks(png);
        ASSERT_EQ(chunks.size(), 3u);
        EXPECT_EQ(chunks[0].type, "IHDR");
        EXPECT_EQ(U32(chunks[0].data, 0), std::uint32_t(c.width));
        EXPECT_EQ(U32(chunks[0].data, 4), std::uint32_t(c.height));
        EXPECT_EQ(Bytes(chunks[0].data.begin() + 8, chunks[0].data.end()), (Bytes{8, 2, 0, 0, 0}));
        EXPECT_EQ(chunks[1].type, "IDAT");
        EXPECT_EQ(chunks[2].type, "IEND");
        Bytes expected;
        for (int y = 0; y < c.height; ++y) {
            expected.push_back(0);
            const auto row = rgb.begin() + 3 * c.width * y;
            expected.insert(expected.end(), row, row + 3 * c.width);
        }
        EXPECT_TRUE(Inflate(chunks[1].data) == expected);
    }
}

}  // namespace
}  // namespace veltrane::tools
