// Decoder of device-independent bitmaps, the data of RT_BITMAP resources: a
// BITMAPINFOHEADER, the colour table and the pixels. It decodes the indexed, uncompressed
// ones (1, 4 or 8 bits per pixel, BI_RGB) and refuses the rest. Only the tests of the
// compiled resources read bitmaps, so it lives with them rather than in the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace standin {

constexpr std::uint32_t kBiRgb = 0;

struct RgbQuad {
    std::uint8_t blue = 0, green = 0, red = 0, reserved = 0;
};

struct DibBitmap {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // as stored: positive for bottom-up rows, negative for top-down
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMeter = 0;
    std::int32_t yPixelsPerMeter = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;
    std::vector<RgbQuad> palette;
    // Colour-table index of every pixel, row by row from the top row down, whatever the
    // stored row order. Every index lies inside the palette.
    std::vector<std::uint8_t> indices;

    std::size_t Rows() const;
    // Index of the pixel in column x of row y, counted from the top.
    std::uint8_t IndexAt(std::size_t x, std::size_t y) const;
};

std::optional<DibBitmap> DecodeDib(const std::uint8_t* data, std::size_t size, std::string* error);

}  // namespace standin
