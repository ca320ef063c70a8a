// veltrane nk: n and k for the map from measured data, artist colours or a named metal,
// with the script that sets them.
#pragma once

#include <CLI/CLI.hpp>

namespace veltrane::tools {

/// Registers the nk subcommand.
void AddNkCommand(CLI::App& app);

}  // namespace veltrane::tools
