// Small database files shared by the reader's and the command's tests.
#pragma once

namespace veltrane::tools {

// Four rows of a tabulated nk block; at 0.650, 0.510, 0.475 um: n 3.5, 2.1, 1.75 and k 5.5,
// 4.1, 3.75.
inline constexpr const char* kFourRowsNk =
    "REFERENCES: \"test rows\"\n"
    "DATA:\n"
    "  - type: tabulated nk\n"
    "    data: |\n"
    "        0.40 1.0 3.0\n"
    "        0.50 2.0 4.0\n"
    "        0.60 3.0 5.0\n"
    "        0.70 4.0 6.0\n";

}  // namespace veltrane::tools
