// Linear colours to the 8-bit sRGB pixels of a picture.
#pragma once

#include <cstdint>

#include "core/types.h"

namespace veltrane::tools {

/// A pixel as a 32-bit premultiplied ARGB word (alpha in the top byte, blue in the lowest),
/// the layout of cairo's image surfaces: colour encoded to sRGB (SrgbByte where the pixel is
/// fully covered), then scaled by coverage.
std::uint32_t PremultipliedArgb(const Color& linear, float coverage);

}  // namespace veltrane::tools
