// The checker behind a sample slot's sphere: its two greys and where its squares' edges
// fall, shared by the preview picture and the workbench page.
#pragma once

#include <cmath>

namespace veltrane::tools {

/// Grey levels (sRGB, 0 to 1) of the checker's squares; the slot has kCheckerSquares across.
constexpr double kCheckerLight = 0.40;
constexpr double kCheckerDark = 0.26;
constexpr int kCheckerSquares = 8;

/// The pixel where square `index` (0 to kCheckerSquares) begins along a slot of size pixels
/// that starts at origin: whole pixels, so that squares meet without seams.
inline double CheckerEdge(double origin, int size, int index) {
    return std::round(origin + index * (static_cast<double>(size) / kCheckerSquares));
}

/// The grey of square (i, j): light where i + j is even.
constexpr double CheckerGrey(int i, int j) {
    return (i + j) % 2 == 0 ? kCheckerLight : kCheckerDark;
}

}  // namespace veltrane::tools
