// Channel rows: cells padded to fixed columns so that the rows of one report line up.
#include "tools/veltrane/channel_rows.h"

#include <cstdio>

#include "tools/metals/srgb.h"
#include "tools/veltrane/number_text.h"

namespace veltrane::tools {

namespace {

// A cell padded to the column width, with at least one space after a longer one.
std::string Padded(const std::string& cell, std::size_t width) {
    return cell + std::string(cell.size() < width ? width - cell.size() : 1, ' ');
}

template <typename Format>
Cells EachCell(Format format) {
    return {format(0), format(1), format(2)};
}

}  // namespace

void PrintChannelRow(int labelWidth, const std::string& label, const Cells& cells) {
    constexpr std::size_t kColumn = 12;
    const std::string line = Padded(label, static_cast<std::size_t>(labelWidth)) +
                             Padded(cells[0], kColumn) + Padded(cells[1], kColumn) + cells[2];
    std::printf("%s\n", line.c_str());
}

void PrintLabelled(int labelWidth, const std::string& label, const std::string& text) {
    std::printf("%s%s\n", Padded(label, static_cast<std::size_t>(labelWidth)).c_str(),
                text.c_str());
}

Cells FixedCells(const std::array<double, 3>& values, int decimals) {
    return EachCell([&](std::size_t c) { return FixedText(values[c], decimals); });
}

Cells SrgbByteCells(const std::array<double, 3>& linear) {
    return EachCell([&](std::size_t c) { return std::to_string(SrgbByte(linear[c])); });
}

Cells NCells(const ComplexIOR& ior) {
    return EachCell([&](std::size_t c) { return ShortestText(ior.n(c)); });
}

Cells KCells(const ComplexIOR& ior) {
    return EachCell([&](std::size_t c) { return ShortestText(ior.k(c)); });
}

}  // namespace veltrane::tools
