// Writes an 8-bit RGB image as a PNG file, without compression (stored deflate blocks): a
// screenshot of a rollout is small, and no image library is needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veltrane::tools {

// `rgb` holds width * height pixels, three bytes each, rows top to bottom. Writes a temporary
// file beside `path` and renames it, so that no partial file remains; false on failure.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

// The PNG file's bytes, as WritePng writes them.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace veltrane::tools
