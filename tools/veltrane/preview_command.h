// veltrane preview: the sample slot of a metal, or of the ten presets, as a PNG picture.
#pragma once

#include <CLI/CLI.hpp>

namespace veltrane::tools {

void AddPreviewCommand(CLI::App& app);

}  // namespace veltrane::tools
