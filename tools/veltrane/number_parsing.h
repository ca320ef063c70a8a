// Numbers on the command line and in batch input: decimal text to the nearest float.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace veltrane::tools {

/// The whole of text as a float, correctly rounded: decimal or exponent notation with an
/// optional sign ('+' too), or nan, inf, infinity in any case. Magnitudes beyond the float
/// range become infinity, below it zero, as strtof would give. Anything else, leading or
/// trailing characters included, is no number.
std::optional<float> ParseFloat(std::string_view text);

/// Three numbers separated by commas ("R,G,B"), as ParseFloat reads each.
std::optional<std::array<float, 3>> ParseTriple(std::string_view text);

}  // namespace veltrane::tools
