// The CIE tables a spectral colour needs: the 1931 2-degree observer and illuminant D65 on
// one wavelength grid, read from the CSV files of the data folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane::tools {

/// The grid every spectral sum runs over: 380 to 780 nm in steps of 5 nm.
constexpr int kCieFirstNm = 380;
constexpr int kCieLastNm = 780;
constexpr int kCieStepNm = 5;
constexpr std::size_t kCieRows = (kCieLastNm - kCieFirstNm) / kCieStepNm + 1;

/// Colour-matching functions and illuminant, one value per grid wavelength.
struct CieTables {
    std::vector<double> wavelengthNm;
    std::vector<double> xbar, ybar, zbar;
    std::vector<double> d65;
};

/// The tables, or a one-line message "FILE: what is wrong".
struct CieParse {
    std::optional<CieTables> tables;
    std::string error;
};

/// File names of the two tables in the data folder.
constexpr std::string_view kObserverFile = "cie1931_2deg_5nm.csv";
constexpr std::string_view kIlluminantFile = "cie_d65_5nm.csv";

/// Parses the texts of the observer file (rows "nm,xbar,ybar,zbar") and the illuminant file
/// (rows "nm,S"). Lines starting with '#' (the attribution) and the header line are
/// skipped. Each file must give exactly the grid's wavelengths in order, with finite,
/// non-negative values; anything else is refused with the file's name and line.
CieParse ParseCieTables(std::string_view observerText, std::string_view observerName,
                        std::string_view illuminantText, std::string_view illuminantName);

}  // namespace veltrane::tools
