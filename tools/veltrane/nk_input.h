// Reading a refractive-index database file for a command: its text and its n and k curves
// (point_samples.h samples them at the three channel wavelengths). Each fault is a UsageError
// naming the file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/complex_ior.h"
#include "tools/metals/nk_file.h"
#include "tools/veltrane/point_samples.h"

namespace veltrane::tools {

/// The whole text of a file of at most 64 MiB.
std::string ReadTextFile(const std::string& path);

/// The n and k curves of a database file.
NkTable LoadNkTable(const std::string& path);

}  // namespace veltrane::tools
