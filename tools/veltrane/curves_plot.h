// The picture of veltrane curves: per metal, reflectance against the angle of incidence per
// channel for the map's closed form and the exact formula, and their difference.
#pragma once

#include <string>
#include <vector>

#include "tools/veltrane/option_values.h"

namespace veltrane::tools {

class OutputFile;

enum class PictureFormat { kSvg, kPng };

/// Draws one panel per material in a grid and writes the picture in format to out.
/// Returns false if drawing or writing failed.
bool DrawCurves(const std::vector<Material>& materials, PictureFormat format, OutputFile& out);

}  // namespace veltrane::tools
