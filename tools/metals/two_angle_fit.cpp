// With m = kEdgeFacing, s = 1 - m^2, a1, b1 = A -+ 2m and a2, b2 = A m^2 -+ 2m, the closed
// form on the circle is Rs = (a1 n - s) / (b1 n - s), Rp = (a2 n + s) / (b2 n + s), and
// (Rs + Rp) / 2 = e becomes
//   (a1 b2 + a2 b1 - 2e b1 b2) n^2 + s (a1 + b1 - a2 - b2 - 2e (b1 - b2)) n + 2 s^2 (e - 1) = 0.
#include "tools/metals/two_angle_fit.h"

#include <algorithm>
#include <cmath>

#include "core/fresnel.h"
#include "tools/metals/artist_mapping.h"

namespace veltrane::tools {
namespace {

// k on the circle of reflectivity r; rounding may leave a tiny negative square at its ends.
double KOnCircle(double a, double n) {
    return std::sqrt(std::max(0.0, a * n - 1.0 - n * n));
}

// The root of q2 n^2 + q1 n + q0 in [low, high], nearest to the interval if rounding puts it
// just outside. Both roots are computed without cancellation.
double RootIn(double q2, double q1, double q0, double low, double high) {
    const double disc = std::max(0.0, q1 * q1 - 4.0 * q2 * q0);
    const double q = -0.5 * (q1 + std::copysign(std::sqrt(disc), q1));
    double roots[2] = {q2 != 0.0 ? q / q2 : -q0 / q1, q != 0.0 ? q0 / q : -q0 / q1};
    double best = low, bestDistance = INFINITY;
    for (double root : roots) {
        const double clamped = std::clamp(root, low, high);
        const double distance = std::fabs(root - clamped);
        if (distance < bestDistance) best = clamped, bestDistance = distance;
    }
    return best;
}

}  // namespace

double MapReflectance(double n, double k, double mu) {
    return double{
        FresnelConductor(static_cast<float>(n), static_cast<float>(k), static_cast<float>(mu))};
}

FittedChannel FitTwoAngles(double r, double e) {
    FittedChannel fit;
    fit.reflectivityClipped = r > kMaxReflectivity;
    r = std::clamp(r, 0.0, kMaxReflectivity);
    const double a = 2.0 * (1.0 + r) / (1.0 - r);
    const double nMin = (1.0 - r) / (1.0 + r);
    const double root = std::sqrt(r);
    const double nMax = (1.0 + root) / (1.0 - root);
    const double m = kEdgeFacing;
    fit.edgeLow = MapReflectance(nMax, 0.0, m);
    fit.edgeHigh = MapReflectance(nMin, KOnCircle(a, nMin), m);
    if (!(e > fit.edgeLow)) {
        fit.edgeClamped = e < fit.edgeLow;
        fit.n = nMax;
    } else if (!(e < fit.edgeHigh)) {
        fit.edgeClamped = e > fit.edgeHigh;
        fit.n = nMin;
    } else {
        const double s = 1.0 - m * m;
        const double a1 = a - 2.0 * m, b1 = a + 2.0 * m;
        const double a2 = a * m * m - 2.0 * m, b2 = a * m * m + 2.0 * m;
        const double q2 = a1 * b2 + a2 * b1 - 2.0 * e * b1 * b2;
        const double q1 = s * (a1 + b1 - a2 - b2 - 2.0 * e * (b1 - b2));
        const double q0 = 2.0 * s * s * (e - 1.0);
        fit.n = RootIn(q2, q1, q0, nMin, nMax);
    }
    fit.k = KOnCircle(a, fit.n);
    return fit;
}

}  // namespace veltrane::tools
