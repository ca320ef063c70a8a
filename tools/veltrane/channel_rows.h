// Reports with one column per colour channel: a label, then red, green and blue.
#pragma once

#include <array>
#include <string>

#include "core/complex_ior.h"

namespace veltrane::tools {

inline constexpr const char* kChannelNames[3] = {"red", "green", "blue"};

using Cells = std::array<std::string, 3>;

/// Prints "label" padded to labelWidth, then the three cells in columns of 12 (a longer
/// cell is followed by one space).
void PrintChannelRow(int labelWidth, const std::string& label, const Cells& cells);

/// Each value printed with a printf format such as "%.6f".
Cells FormatCells(const char* format, const std::array<double, 3>& values);

/// n (first = 0) or k (first = 3) of ior as the shortest decimals of the floats.
Cells IorCells(const ComplexIOR& ior, int first);

}  // namespace veltrane::tools
