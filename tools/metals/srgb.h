// Linear colour values to the sRGB encoding.
#pragma once

#include <algorithm>
#include <cmath>

namespace veltrane::tools {

/// A linear value, clamped into [0, 1], encoded with the sRGB transfer curve and rounded to
/// 8 bits.
inline int SrgbByte(double linear) {
    const double x = std::clamp(linear, 0.0, 1.0);
    const double encoded = x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(encoded * 255.0));
}

}  // namespace veltrane::tools
