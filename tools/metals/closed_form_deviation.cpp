// The largest gap between the map's closed form and the exact reflectance over all angles.
#include "tools/metals/closed_form_deviation.h"

#include <cmath>

#include "core/fresnel.h"
#include "tools/metals/exact_fresnel.h"

namespace veltrane::tools {

double SweepDegrees(int step) {
    return 90.0 * step / kSweepSteps;
}

float SweepFacing(int step) {
    if (step >= kSweepSteps) return 0.0f;
    constexpr double kPi = 3.14159265358979323846;
    return static_cast<float>(std::cos(SweepDegrees(step) * (kPi / 180.0)));
}

std::vector<double> ExactSweep(float n, float k) {
    std::vector<double> sweep;
    for (int step = 0; step <= kSweepSteps; ++step) {
        sweep.push_back(ExactConductorReflectance(n, k, SweepFacing(step)));
    }
    return sweep;
}

Deviation DeviationFrom(float n, float k, const std::vector<double>& reference) {
    Deviation worst;
    for (int step = 0; step <= kSweepSteps; ++step) {
        const double closed = FresnelConductor(n, k, SweepFacing(step));
        const double difference = std::fabs(closed - reference[static_cast<std::size_t>(step)]);
        if (difference > worst.largest) worst = {difference, SweepDegrees(step)};
    }
    return worst;
}

Deviation ClosedFormDeviation(float n, float k) {
    return DeviationFrom(n, k, ExactSweep(n, k));
}

// The closed form treats n^2 + k^2 as one term, which holds where k dominates. The table
// of deviations over n and k shows two regions where it fails by more than 0.01: small k
// (up to 0.99 at n = 1, k = 0) and n < 1 with k below about 1.5.
std::string_view PoorApproximationCause(float n, float k) {
    if (k < 0.5f) return "k near 0 (a dielectric-like channel)";
    if (n < 1.0f && k < 1.5f) return "n < 1 with small k";
    return {};
}

}  // namespace veltrane::tools
