// veltrane curves: the map's reflectance against the exact Fresnel reflectance.
#pragma once

#include <CLI/CLI.hpp>

namespace veltrane::tools {

/// Registers the curves subcommand.
void AddCurvesCommand(CLI::App& app);

}  // namespace veltrane::tools
