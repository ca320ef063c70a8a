// With s^2 = 1 - mu^2, t0 = n^2 - k^2 - s^2, w = |(n + ik)^2 - s^2| and a the real part of
// its square root, the s and p terms are
//   Rs = (w + mu^2 - 2a mu) / (w + mu^2 + 2a mu)
//   Rp = Rs (mu^2 w + s^4 - 2a mu s^2) / (mu^2 w + s^4 + 2a mu s^2).
#include "tools/metals/exact_fresnel.h"

#include <algorithm>
#include <cmath>

namespace veltrane::tools {
namespace {

// num / den for a ratio of the form (x - y) / (x + y) with x, y >= 0: 1 where both vanish,
// which is the limit at grazing view.
double Ratio(double num, double den) {
    return den > 0.0 ? num / den : 1.0;
}

}  // namespace

double ExactConductorReflectance(double n, double k, double mu) {
    mu = std::clamp(mu, 0.0, 1.0);
    // Past |n + ik|^2 of about 1e154 the squares below overflow and the terms become
    // inf / inf. The reflectance tends to 1 as the index grows (1 - R is of the order of
    // 1 / |n + ik|), so from 1e150 on it is 1 in double precision anyway.
    if (n * n + k * k > 1e150) return 1.0;
    const double mu2 = mu * mu;
    const double s2 = 1.0 - mu2;
    const double t0 = n * n - k * k - s2;
    const double w = std::sqrt(t0 * t0 + 4.0 * n * n * k * k);
    const double a = std::sqrt(std::max(0.0, (w + t0) * 0.5));
    const double rs = Ratio(w + mu2 - 2.0 * a * mu, w + mu2 + 2.0 * a * mu);
    const double pw = mu2 * w + s2 * s2;
    const double rp = rs * Ratio(pw - 2.0 * a * mu * s2, pw + 2.0 * a * mu * s2);
    return std::clamp((rs + rp) * 0.5, 0.0, 1.0);
}

}  // namespace veltrane::tools
