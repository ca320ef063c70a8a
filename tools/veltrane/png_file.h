// Writes an 8-bit RGB image as a PNG file, without compression (stored deflate blocks): a
// screenshot of a rollout is small, and no image library is needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veltrane::tools {

// The PNG file's bytes of an image: `rgb` holds width * height pixels, three bytes each, rows
// top to bottom.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace veltrane::tools
