// Linear interpolation at the channel wavelengths, refusing any wavelength outside the data.
#include "tools/veltrane/point_samples.h"

#include <cstdio>

#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/command_line.h"

namespace veltrane::tools {
namespace {

float Sample(const std::vector<NkSample>& curve, const char* quantity, std::size_t channel,
             const std::string& path) {
    const double wavelength = kChannelWavelengths[channel];
    const auto value = Interpolate(curve, wavelength);
    if (!value) {
        char where[32];
        std::snprintf(where, sizeof where, "%.3f um", wavelength);
        throw UsageError(path + ": " + where + " (" + kChannelNames[channel] +
                         ") lies outside the data for " + quantity + " (" + CurveRange(curve) +
                         "); values are never extrapolated");
    }
    return static_cast<float>(*value);
}

}  // namespace

ComplexIOR PointSampledIor(const NkTable& table, const std::string& path) {
    ComplexIOR ior;
    for (std::size_t c = 0; c < 3; ++c) {
        ior.n(c) = Sample(table.n, "n", c, path);
        ior.k(c) = Sample(table.k, "k", c, path);
    }
    return ior;
}

}  // namespace veltrane::tools
