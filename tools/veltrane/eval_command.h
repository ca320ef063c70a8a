// veltrane eval: the colour of one sample, or a stream of samples.
#pragma once

#include <CLI/CLI.hpp>

namespace veltrane::tools {

/// Registers the eval subcommand.
void AddEvalCommand(CLI::App& app);

}  // namespace veltrane::tools
