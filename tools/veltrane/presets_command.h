// veltrane presets: every metal the tools know, with its values, source and colour.
#pragma once

#include <CLI/CLI.hpp>

namespace veltrane::tools {

/// Registers the presets subcommand.
void AddPresetsCommand(CLI::App& app);

}  // namespace veltrane::tools
