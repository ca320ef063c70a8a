#include "tools/veltrane/srgb_pixel.h"

#include <cmath>

namespace veltrane::tools {
namespace {

double Encoded(float linear) {
    if (!(linear > 0.0f)) return 0.0;
    if (linear >= 1.0f) return 1.0;
    const double x = linear;
    return x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
}

std::uint32_t Byte(double value) {
    return static_cast<std::uint32_t>(std::lround(value * 255.0));
}

}  // namespace

std::uint8_t SrgbByte(float linear) {
    return static_cast<std::uint8_t>(Byte(Encoded(linear)));
}

std::uint32_t PremultipliedArgb(const Color& linear, float coverage) {
    const double a = coverage;
    return Byte(a) << 24 | Byte(Encoded(linear.r) * a) << 16 | Byte(Encoded(linear.g) * a) << 8 |
           Byte(Encoded(linear.b) * a);
}

}  // namespace veltrane::tools
