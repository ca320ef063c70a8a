// The slot's pixels: ShadeSlotPixel with the core as the map, then the checker behind.
#include "web/api/slot_render.h"

#include <algorithm>

#include "tools/veltrane/slot_checker.h"

namespace veltrane::web {
namespace {

// A grey as the picture stores it: 16 bits rounded, then the top 8.
std::uint8_t GreyByte(double grey) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(grey * 65535.0 + 0.5) >> 8);
}

// The square index a pixel falls in along one axis.
int SquareOf(int pixel, int size) {
    int square = 0;
    while (square + 1 < tools::kCheckerSquares &&
           tools::CheckerEdge(0.0, size, square + 1) <= pixel)
        ++square;
    return square;
}

// x * a / 255, rounded as 8-bit compositing rounds it.
std::uint32_t Multiply(std::uint32_t x, std::uint32_t a) {
    const std::uint32_t t = x * a + 0x80;
    return ((t >> 8) + t) >> 8;
}

}  // namespace

std::uint8_t CheckerByte(int x, int y, int size) {
    return GreyByte(tools::CheckerGrey(SquareOf(x, size), SquareOf(y, size)));
}

std::uint32_t OverChecker(std::uint32_t argb, std::uint8_t checkerGrey) {
    const std::uint32_t alpha = argb >> 24;
    const std::uint32_t under = Multiply(checkerGrey, 255 - alpha);
    std::uint32_t result = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t channel =
            std::min<std::uint32_t>(((argb >> shift) & 0xFF) + under, 255);
        result |= channel << shift;
    }
    return result;
}

void RenderSlot(const ParamSnapshot& params, int size, tools::SlotShading shading, int step,
                std::uint8_t* rgba) {
    const tools::SlotGeometry geometry(size);
    const auto evalColor = [&params](const Point3& normal) {
        return EvalReflectance(normal, tools::kSlotView, params);
    };
    std::uint64_t samples = 0;
    for (int y = 0; y < size; y += step) {
        for (int x = 0; x < size; x += step) {
            const std::uint32_t argb =
                OverChecker(tools::ShadeSlotPixel(geometry, shading, x, y, evalColor, samples),
                            CheckerByte(x, y, size));
            const std::uint8_t pixel[4] = {static_cast<std::uint8_t>(argb >> 16),
                                           static_cast<std::uint8_t>(argb >> 8),
                                           static_cast<std::uint8_t>(argb), 255};
            for (int by = y; by < std::min(y + step, size); ++by) {
                for (int bx = x; bx < std::min(x + step, size); ++bx) {
                    const auto at = static_cast<std::size_t>(by * size + bx);
                    std::copy(pixel, pixel + 4, rgba + 4 * at);
                }
            }
        }
    }
}

}  // namespace veltrane::web
