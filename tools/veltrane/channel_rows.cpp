#include "tools/veltrane/channel_rows.h"

#include <cstdio>

#include "core/param_store.h"
#include "tools/veltrane/maxscript_snippet.h"

namespace veltrane::tools {

namespace {

// A cell padded to the column width, with at least one space after a longer one.
std::string Padded(const std::string& cell) {
    constexpr std::size_t kColumn = 12;
    return cell + std::string(cell.size() < kColumn ? kColumn - cell.size() : 1, ' ');
}

}  // namespace

void PrintChannelRow(int labelWidth, const std::string& label, const Cells& cells) {
    std::printf("%-*s%s%s%s\n", labelWidth, label.c_str(), Padded(cells[0]).c_str(),
                Padded(cells[1]).c_str(), cells[2].c_str());
}

Cells FormatCells(const char* format, const std::array<double, 3>& values) {
    Cells cells;
    for (std::size_t c = 0; c < 3; ++c) {
        char cell[32];
        std::snprintf(cell, sizeof cell, format, values[c]);
        cells[c] = cell;
    }
    return cells;
}

Cells IorCells(const ComplexIOR& ior, int first) {
    Cells cells;
    for (int c = 0; c < 3; ++c)
        cells[static_cast<std::size_t>(c)] = ShortestDecimal(ior.*kIorParamFields[first + c].field);
    return cells;
}

}  // namespace veltrane::tools
