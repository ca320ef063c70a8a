// The report `veltrane eval` prints for one sample: the inputs, the colour and its mono value.
#pragma once

#include <optional>
#include <string>

#include "core/types.h"
#include "tools/veltrane/sample.h"

namespace veltrane::tools {

/// Prints the report on standard output: material ("copper" or "custom"), n, k, the view
/// (the angle in degrees when one was given, else mu), the colour controls, then colour
/// and mono of the evaluated colour c.
void PrintEvalReport(const std::string& material, const SampleInput& sample,
                     const std::optional<float>& angle, const AColor& c);

}  // namespace veltrane::tools
