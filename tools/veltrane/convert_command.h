// veltrane convert: the map's n and k to and from the colour-based metal models.
#pragma once

#include <CLI/CLI.hpp>

namespace veltrane::tools {

/// Registers the convert subcommand.
void AddConvertCommand(CLI::App& app);

}  // namespace veltrane::tools
