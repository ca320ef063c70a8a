// Decoder of device-independent bitmaps, for the tests of the bitmaps among a module's
// resources.
#include "tests/host/dib.h"

#include <cstdlib>
#include <limits>

#include "host/src/byte_reader.h"

namespace standin {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; V4 and V5 extend it

bool IsIndexedBitCount(std::uint16_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8;
}

// Index of pixel x in a packed row, most significant bits first.
std::uint8_t PackedIndex(const std::uint8_t* row, std::size_t x, unsigned bitCount) {
    const std::size_t bit = x * bitCount;
    const unsigned shift = 8 - bitCount - static_cast<unsigned>(bit % 8);
    const unsigned mask = (1u << bitCount) - 1;
    return static_cast<std::uint8_t>((row[bit / 8] >> shift) & mask);
}

}  // namespace

std::size_t DibBitmap::Rows() const {
    return static_cast<std::size_t>(std::abs(static_cast<std::int64_t>(height)));
}

std::uint8_t DibBitmap::IndexAt(std::size_t x, std::size_t y) const {
    return indices.at(y * static_cast<std::size_t>(width) + x);
}

std::optional<DibBitmap> DecodeDib(const std::uint8_t* data, std::size_t size, std::string* error) {
    ByteReader reader(data, size);
    DibBitmap dib;
    reader.U32(&dib.headerSize, "bitmap header");
    if (!reader.Failed() && dib.headerSize < kInfoHeaderSize) {
        return Refuse(error,
                      "unsupported bitmap header of " + std::to_string(dib.headerSize) + " bytes");
    }
    reader.I32(&dib.width, "bitmap header");
    reader.I32(&dib.height, "bitmap header");
    reader.U16(&dib.planes, "bitmap header");
    reader.U16(&dib.bitCount, "bitmap header");
    reader.U32(&dib.compression, "bitmap header");
    reader.U32(&dib.imageSize, "bitmap header");
    reader.I32(&dib.xPixelsPerMeter, "bitmap header");
    reader.I32(&dib.yPixelsPerMeter, "bitmap header");
    reader.U32(&dib.colorsUsed, "bitmap header");
    reader.U32(&dib.colorsImportant, "bitmap header");
    reader.Skip(dib.headerSize - kInfoHeaderSize, "bitmap header");
    if (reader.Failed()) {
        return Refuse(error, reader);
    }

    if (dib.width <= 0 || dib.height == 0 ||
        dib.height == std::numeric_limits<std::int32_t>::min()) {
        return Refuse(error, "bitmap of " + std::to_string(dib.width) + " x " +
                                 std::to_string(dib.height) + " pixels");
    }
    if (dib.planes != 1) {
        return Refuse(error, "bitmap with " + std::to_string(dib.planes) + " planes");
    }
    if (dib.compression != kBiRgb) {
        return Refuse(error, "unsupported bitmap compression " + std::to_string(dib.compression));
    }
    if (!IsIndexedBitCount(dib.bitCount)) {
        return Refuse(error,
                      "unsupported bitmap of " + std::to_string(dib.bitCount) + " bits per pixel");
    }

    const std::uint32_t maxColors = 1u << dib.bitCount;
    if (dib.colorsUsed > maxColors) {
        return Refuse(error, "colour table of " + std::to_string(dib.colorsUsed) + " entries for " +
                                 std::to_string(dib.bitCount) + " bits per pixel");
    }
    const std::uint32_t colors = dib.colorsUsed != 0 ? dib.colorsUsed : maxColors;
    dib.palette.resize(colors);
    for (RgbQuad& entry : dib.palette) {
        reader.U8(&entry.blue, "colour table");
        reader.U8(&entry.green, "colour table");
        reader.U8(&entry.red, "colour table");
        reader.U8(&entry.reserved, "colour table");
    }
    if (reader.Failed()) {
        return Refuse(error, reader);
    }

    // Rows are padded to 4 bytes. Both factors are bounded (width < 2^31, 8 bits per
    // pixel), so the stride cannot overflow; the row count is checked by division.
    const auto width = static_cast<std::size_t>(dib.width);
    const std::size_t stride = (width * dib.bitCount + 31) / 32 * 4;
    const std::size_t rows = dib.Rows();
    if (rows > reader.Remaining() / stride) {
        return Refuse(error, "bitmap pixels truncated: " + std::to_string(rows) + " rows of " +
                                 std::to_string(stride) + " bytes need more than the " +
                                 std::to_string(reader.Remaining()) + " left");
    }
    const std::uint8_t* pixels = reader.Bytes(rows * stride, "bitmap pixels");
    const bool bottomUp = dib.height > 0;
    dib.indices.resize(rows * width);
    for (std::size_t y = 0; y < rows; ++y) {
        const std::uint8_t* row = pixels + (bottomUp ? rows - 1 - y : y) * stride;
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t index = PackedIndex(row, x, dib.bitCount);
            if (index >= colors) {
                return Refuse(error, "pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                         ") uses colour " + std::to_string(index) +
                                         " of a table of " + std::to_string(colors));
            }
            dib.indices[y * width + x] = index;
        }
    }
    return dib;
}

}  // namespace standin
