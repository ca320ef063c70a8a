#include "tools/veltrane/srgb_pixel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace veltrane::tools {
namespace {

double Encoded(float linear) {
    if (!(linear > 0.0f)) return 0.0;
    if (linear >= 1.0f) return 1.0;
    const double x = linear;
    return x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
}

double Decoded(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

std::uint32_t Byte(double value) {
    return static_cast<std::uint32_t>(std::lround(value * 255.0));
}

// The linear values where the nearest code changes: code b begins at the decoded value of
// (b - 0.5) / 255. Finding a code among them costs eight comparisons instead of a pow.
const std::array<double, 255>& CodeThresholds() {
    static const std::array<double, 255> thresholds = [] {
        std::array<double, 255> t{};
        for (std::size_t b = 1; b <= t.size(); ++b) {
            t[b - 1] = Decoded((static_cast<double>(b) - 0.5) / 255.0);
        }
        return t;
    }();
    return thresholds;
}

}  // namespace

std::uint8_t SrgbByte(float linear) {
    if (!(linear > 0.0f)) return 0;  // NaN too
    const auto& t = CodeThresholds();
    return static_cast<std::uint8_t>(std::upper_bound(t.begin(), t.end(), double{linear}) -
                                     t.begin());
}

std::uint32_t PremultipliedArgb(const Color& linear, float coverage) {
    if (coverage == 1.0f) {
        return 0xFF000000u | std::uint32_t{SrgbByte(linear.r)} << 16 |
               std::uint32_t{SrgbByte(linear.g)} << 8 | SrgbByte(linear.b);
    }
    const double a = coverage;
    return Byte(a) << 24 | Byte(Encoded(linear.r) * a) << 16 | Byte(Encoded(linear.g) * a) << 8 |
           Byte(Encoded(linear.b) * a);
}

}  // namespace veltrane::tools
