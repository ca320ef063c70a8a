// Numbers as the commands print them: the shortest text of a float, fixed decimals of a
// derived quantity.
#pragma once

#include <string>

namespace veltrane::tools {

/// Decimals of every colour and reflectance a command prints (f0, edge tint, a model's
/// colours): one precision for one quantity in every command and format.
inline constexpr int kColourDecimals = 6;

/// The shortest text that reads back to exactly this float: 0.05, not 0.0500000007;
/// 180.00002, not 180. Exponent notation only for magnitudes below 1e-4 or from 1e16
/// (1e-05); nan and inf as such.
std::string ShortestText(float value);

/// value with the given number of decimals (0.950000 for 0.95 at six).
std::string FixedText(double value, int decimals);

}  // namespace veltrane::tools
