// The sRGB transfer curve, and 8-bit codes found among the curve's precomputed code
// boundaries (eight comparisons instead of a pow per value: the preview encodes every pixel).
#include "tools/metals/srgb.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace veltrane::tools {
namespace {

double Decoded(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// The linear values where the nearest code changes: code b begins at the decoded value of
// (b - 0.5) / 255.
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

double SrgbEncoded(double linear) {
    if (!(linear > 0.0)) return 0.0;  // NaN too
    if (linear >= 1.0) return 1.0;
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

std::uint8_t SrgbByte(double linear) {
    if (!(linear > 0.0)) return 0;  // NaN too
    const auto& t = CodeThresholds();
    return static_cast<std::uint8_t>(std::upper_bound(t.begin(), t.end(), linear) - t.begin());
}

}  // namespace veltrane::tools
