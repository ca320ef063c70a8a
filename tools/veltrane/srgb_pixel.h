// Linear colours to the 8-bit sRGB pixels of a picture.
#pragma once

#include <cstdint>

#include "core/types.h"

namespace veltrane::tools {

/// The 8-bit sRGB code nearest to a linear value clamped into [0, 1] (NaN counts as 0),
/// nearest in the encoded scale. What a display expects, as the host's colour-managed
/// sample slot shows it.
std::uint8_t SrgbByte(float linear);

/// A pixel as a 32-bit premultiplied ARGB word (alpha in the top byte, blue in the lowest),
/// the layout of cairo's image surfaces: colour encoded to sRGB, then scaled by coverage.
std::uint32_t PremultipliedArgb(const Color& linear, float coverage);

}  // namespace veltrane::tools
