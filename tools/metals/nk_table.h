// Measured n and k from the data blocks of a refractive-index database file: the checks and
// refusals of each block, the curves they give, and linear interpolation inside the data.
// The YAML is read elsewhere (nk_file.h natively, the workbench page in the browser).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane::tools {

/// One tabulated value: wavelength in um and the value there.
struct NkSample {
    double wavelength = 0.0;
    double value = 0.0;
};

/// The n and k curves of a file, each sorted by wavelength and not empty.
struct NkTable {
    std::vector<NkSample> n;
    std::vector<NkSample> k;
};

/// The table, or a message "FILE: what is wrong". It may quote the file's text as it is,
/// control bytes included; the command line escapes them when it shows the message.
struct NkParse {
    std::optional<NkTable> table;
    std::string error;
};

/// One entry of a file's DATA list as the YAML reader found it.
struct NkBlock {
    bool isMap = true;                // false: the entry is a scalar or a list
    std::string type;                 // the "type" scalar, trimmed; empty when missing
    std::optional<std::string> data;  // the "data" text, when it is a scalar
};

/// A file's structure as the YAML reader found it.
struct NkStructure {
    bool topLevelMap = true;                   // false: not a database file at all
    std::optional<std::vector<NkBlock>> data;  // the DATA list; none when missing or no list
};

/// Checks the blocks and builds the table: one "tabulated nk" block (rows "wavelength n k"),
/// or a "tabulated n" and a "tabulated k" block (rows "wavelength value"), wavelengths in um.
/// Refused, with a message naming fileName: a top level that is no map, a missing DATA list,
/// an entry that is no map or has no type, formula and other block types, a second block
/// for n or for k, a missing n or k, and rows that are not the expected count of finite
/// numbers with positive wavelength and non-negative n and k. Never throws.
NkParse TableFromBlocks(const NkStructure& file, std::string_view fileName);

/// The value at wavelength by linear interpolation between the neighbouring rows, or
/// nothing when wavelength lies outside the rows' range (never extrapolated).
std::optional<double> Interpolate(const std::vector<NkSample>& curve, double wavelength);

/// "0.4 to 0.7 um": the wavelengths a curve covers, for messages.
std::string CurveRange(const std::vector<NkSample>& curve);

}  // namespace veltrane::tools
