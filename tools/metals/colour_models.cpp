// OpenPBR's F82-tint and Standard Surface colours from n, k, and back through the two-angle fit.
#include "tools/metals/colour_models.h"

#include <algorithm>
#include <cmath>

#include "tools/metals/artist_mapping.h"

namespace veltrane::tools {
namespace {

// b = specular-tint factor: 1 / (m (1 - m)^6) at m = kEdgeFacing, 7 (7/6)^6 = 17.651385...
const double kTintScale = 1.0 / (kEdgeFacing * std::pow(1.0 - kEdgeFacing, 6.0));

}  // namespace

double SchlickReflectance(double f0, double mu) {
    return f0 + (1.0 - f0) * std::pow(1.0 - mu, 5.0);
}

double F82Reflectance(double baseColor, double specularColor, double mu) {
    const double b =
        kTintScale * SchlickReflectance(baseColor, kEdgeFacing) * (1.0 - specularColor);
    return SchlickReflectance(baseColor, mu) - b * mu * std::pow(1.0 - mu, 6.0);
}

F82Channel F82FromIor(double n, double k) {
    F82Channel c;
    c.baseColor = NormalReflectance(n, k);
    c.specularNeeded =
        MapReflectance(n, k, kEdgeFacing) / SchlickReflectance(c.baseColor, kEdgeFacing);
    c.specularClipped = c.specularNeeded > 1.0;
    c.specularColor = std::clamp(c.specularNeeded, 0.0, 1.0);
    return c;
}

FittedChannel IorFromF82(double baseColor, double specularColor) {
    return FitTwoAngles(baseColor, specularColor * SchlickReflectance(baseColor, kEdgeFacing));
}

}  // namespace veltrane::tools
