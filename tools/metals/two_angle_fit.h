// n and k for the map from a colour seen at two angles: head-on and near grazing view.
#pragma once

namespace veltrane::tools {

/// The second angle of the fit, as a facing value: 1/7 (about 82 degrees), where the
/// reflectance of metals dips below the value a plain Schlick curve gives.
constexpr double kEdgeFacing = 1.0 / 7.0;

/// One channel of a fit.
struct FittedChannel {
    double n = 1.0;
    double k = 0.0;
    bool reflectivityClipped = false;  // r was above kMaxReflectivity
    bool edgeClamped = false;          // e lay outside what the closed form reaches for r
    double edgeLow = 0.0;              // that reach: the edge values at n_max and n_min
    double edgeHigh = 0.0;
};

/// Per channel, n and k such that the map's closed form (the core's FresnelConductor) gives
/// r at normal incidence and e at facing value kEdgeFacing. For a given r, n^2 + k^2 =
/// A n - 1 with A = 2 (1 + r) / (1 - r); along that circle between n_min = (1 - r)/(1 + r)
/// and n_max = (1 + sqrt r)/(1 - sqrt r) (where k = 0) the edge value falls monotonically,
/// and the condition is a quadratic in n whose root in that interval is taken. r is
/// clipped to kMaxReflectivity (the artist mapping's pole clamp); an e outside the reach is
/// clamped to the nearer end. r and e are expected in [0, 1].
FittedChannel FitTwoAngles(double r, double e);

/// The closed form's reflectance in double arguments (evaluated in single precision, as the
/// map does).
double MapReflectance(double n, double k, double mu);

}  // namespace veltrane::tools
