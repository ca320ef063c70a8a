// Measured n and k from a file of the refractive-index database (YAML): the parse, kept
// apart from reading the file, and linear interpolation inside the data.
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

/// Parses the text of a database file. Reads the DATA list: one "tabulated nk" block
/// (rows "wavelength n k"), or a "tabulated n" and a "tabulated k" block (rows
/// "wavelength value"), wavelengths in um. Refused, with a message naming fileName: text
/// that is not YAML, a missing DATA list, formula and other block types, a second block
/// for n or for k, a missing n or k, and rows that are not the expected count of finite
/// numbers with positive wavelength and non-negative n and k. Never throws.
NkParse ParseNkFile(std::string_view text, std::string_view fileName);

/// The value at wavelength by linear interpolation between the neighbouring rows, or
/// nothing when wavelength lies outside the rows' range (never extrapolated).
std::optional<double> Interpolate(const std::vector<NkSample>& curve, double wavelength);

/// "0.4 to 0.7 um": the wavelengths a curve covers, for messages.
std::string CurveRange(const std::vector<NkSample>& curve);

}  // namespace veltrane::tools
