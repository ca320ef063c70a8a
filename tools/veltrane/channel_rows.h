// Reports with one column per colour channel: a label, then red, green and blue.
#pragma once

#include <array>
#include <string>

#include "core/complex_ior.h"

namespace veltrane::tools {

inline constexpr const char* kChannelNames[3] = {"red", "green", "blue"};

using Cells = std::array<std::string, 3>;

/// Prints "label" padded to labelWidth (and always followed by a space), then the three
/// cells in columns of 12 (a longer cell is followed by one space).
void PrintChannelRow(int labelWidth, const std::string& label, const Cells& cells);

/// Prints "label" padded as PrintChannelRow pads it, then text: a line of the same report
/// that has no columns.
void PrintLabelled(int labelWidth, const std::string& label, const std::string& text);

/// Each value with the given number of decimals.
Cells FixedCells(const std::array<double, 3>& values, int decimals);

/// Each linear value as its 8-bit sRGB code.
Cells SrgbByteCells(const std::array<double, 3>& linear);

/// n, or k, of ior as the shortest texts of the floats.
Cells NCells(const ComplexIOR& ior);
Cells KCells(const ComplexIOR& ior);

}  // namespace veltrane::tools
