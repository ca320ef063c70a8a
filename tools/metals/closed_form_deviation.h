// How far the map's closed-form reflectance lies from the exact Fresnel reflectance.
#pragma once

#include <string_view>
#include <vector>

namespace veltrane::tools {

/// The closed form stays within this of the exact reflectance for every metal the tools
/// know (worst: 0.0068); a channel further off is reported as poorly approximated.
constexpr double kClosedFormBound = 0.01;

/// Angles of a sweep from 0 to 90 degrees in steps of 0.1 degree.
constexpr int kSweepSteps = 900;

/// The angle of step i of the sweep in degrees, and its facing value as a float, exactly 0
/// at 90 degrees.
double SweepDegrees(int step);
float SweepFacing(int step);

/// The largest absolute difference between the closed form and the exact reflectance over
/// the sweep, and the angle where it occurs (the first such angle).
struct Deviation {
    double largest = 0.0;
    double degrees = 0.0;
};

/// Deviation of one channel with index n + ik. The closed form is the core's
/// FresnelConductor (single precision); the exact value is taken at the same facing value.
Deviation ClosedFormDeviation(float n, float k);

/// The exact reflectance of a channel at every step of the sweep.
std::vector<double> ExactSweep(float n, float k);

/// The largest absolute difference between the closed form of a channel and reference, a
/// value per step of the sweep, and the first angle where it occurs.
Deviation DeviationFrom(float n, float k, const std::vector<double>& reference);

/// Why the closed form is known to be poor for a channel like this one, for warnings:
/// "k near 0 (a dielectric-like channel)", "n < 1 with small k", or empty.
std::string_view PoorApproximationCause(float n, float k);

}  // namespace veltrane::tools
