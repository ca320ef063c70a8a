// A database file's n and k at the three channel wavelengths.
#pragma once

#include <array>
#include <string>

#include "core/complex_ior.h"
#include "tools/metals/nk_table.h"

namespace veltrane::tools {

/// The channels' wavelengths in um: red, green, blue.
constexpr std::array<double, 3> kChannelWavelengths = {0.650, 0.510, 0.475};

/// n and k interpolated at the channel wavelengths; a wavelength outside the data is a
/// UsageError naming path, never extrapolated.
ComplexIOR PointSampledIor(const NkTable& table, const std::string& path);

}  // namespace veltrane::tools
