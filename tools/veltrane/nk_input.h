// Reading a refractive-index database file for a command: its text, its n and k curves
// and the point samples at the three channel wavelengths. Each fault is a UsageError
// naming the file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/complex_ior.h"
#include "tools/metals/nk_file.h"

namespace veltrane::tools {

/// The channels' wavelengths in um: red, green, blue.
constexpr std::array<double, 3> kChannelWavelengths = {0.650, 0.510, 0.475};

/// The whole text of a file of at most 64 MiB.
std::string ReadTextFile(const std::string& path);

/// The n and k curves of a database file.
NkTable LoadNkTable(const std::string& path);

/// n and k interpolated at the channel wavelengths; a wavelength outside the data is an
/// error, never extrapolated.
ComplexIOR PointSampledIor(const NkTable& table, const std::string& path);

}  // namespace veltrane::tools
