// The picture of veltrane curves: per metal, reflectance against the angle of incidence per
// channel for the map's closed form and the exact formula, and their difference.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/veltrane/option_values.h"

namespace veltrane::tools {

class OutputFile;

enum class PictureFormat { kSvg, kPng };

/// A metal's n and k for the map and the curves it is compared with.
struct CurveSet {
    Material material;
    std::string reference;                      // legend: "exact Fresnel"
    std::array<std::vector<double>, 3> values;  // per channel, a value per sweep step
};

/// Draws one panel per curve set in a grid and writes the picture in format to out:
/// solid the map's closed form, dashed the reference, and below their difference.
/// Returns false if drawing or writing failed.
bool DrawCurves(const std::vector<CurveSet>& sets, PictureFormat format, OutputFile& out);

}  // namespace veltrane::tools
