// Pixels of the preview: whole pixels take the nearest code, edge pixels their coverage.
#include "tools/veltrane/srgb_pixel.h"

#include <cmath>

#include "tools/metals/srgb.h"

namespace veltrane::tools {
namespace {

std::uint32_t Byte(double value) {
    return static_cast<std::uint32_t>(std::lround(value * 255.0));
}

}  // namespace

std::uint32_t PremultipliedArgb(const Color& linear, float coverage) {
    if (coverage == 1.0f) {
        return 0xFF000000u | std::uint32_t{SrgbByte(linear.r)} << 16 |
               std::uint32_t{SrgbByte(linear.g)} << 8 | SrgbByte(linear.b);
    }
    const double a = coverage;
    return Byte(a) << 24 | Byte(SrgbEncoded(linear.r) * a) << 16 |
           Byte(SrgbEncoded(linear.g) * a) << 8 | Byte(SrgbEncoded(linear.b) * a);
}

}  // namespace veltrane::tools
