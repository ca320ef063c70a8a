// Reflectivity and edge tint to n and k and back, per channel, with the pole at r = 1 clamped.
#include "tools/metals/artist_mapping.h"

#include <algorithm>
#include <cmath>

namespace veltrane::tools {
namespace {

// The index range a reflectivity allows: n_min with the largest k, n_max with k = 0.
double NMin(double r) {
    return (1.0 - r) / (1.0 + r);
}

double NMax(double r) {
    const double root = std::sqrt(r);
    return (1.0 + root) / (1.0 - root);
}

}  // namespace

double NormalReflectance(double n, double k) {
    const double k2 = k * k;
    return ((n - 1.0) * (n - 1.0) + k2) / ((n + 1.0) * (n + 1.0) + k2);
}

IorChannel IorFromArtist(double r, double g) {
    IorChannel c;
    c.reflectivityClamped = r > kMaxReflectivity;
    r = std::min(r, kMaxReflectivity);
    c.n = g * NMin(r) + (1.0 - g) * NMax(r);
    const double k2 = (r * (c.n + 1.0) * (c.n + 1.0) - (c.n - 1.0) * (c.n - 1.0)) / (1.0 - r);
    c.k = std::sqrt(std::max(0.0, k2));  // rounding may leave -0 at n_max
    return c;
}

ArtistChannel ArtistFromIor(double n, double k) {
    ArtistChannel c;
    const double r = NormalReflectance(n, k);
    c.reflectivityClamped = r > kMaxReflectivity;
    c.reflectivity = std::min(r, kMaxReflectivity);
    const double nMax = NMax(c.reflectivity);
    const double span = nMax - NMin(c.reflectivity);
    c.edgeTint = span > 0.0 ? (nMax - n) / span : 0.0;
    return c;
}

}  // namespace veltrane::tools
