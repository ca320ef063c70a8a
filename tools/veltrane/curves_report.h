// The report of `veltrane curves`: per metal and channel the largest difference between the
// map's closed form and a reference curve; and the exact and F82-tint reference curves.
#pragma once

#include <vector>

#include "tools/veltrane/curves_plot.h"

namespace veltrane::tools {

/// The curve the map's closed form is compared with.
enum class Reference { kExact, kOpenPbr, kSpectral };

/// The exact Fresnel reflectance of each channel of the metal over the sweep.
CurveSet ExactSet(const Material& m);

/// The OpenPBR F82-tint curve of each channel of the metal's n and k; a clipped tint is
/// warned of on standard error.
CurveSet OpenPbrSet(const Material& m);

/// Prints a line per metal and channel on standard output (a heading first unless the
/// reference is the exact formula); against the exact formula, warns on standard error of
/// each channel beyond kClosedFormBound.
void PrintCurvesReport(const std::vector<CurveSet>& sets, Reference reference);

}  // namespace veltrane::tools
