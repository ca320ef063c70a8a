// The colour of a metal as a spectral renderer shows it: the exact reflectance spectrum,
// weighted by the CIE 1931 observer under illuminant D65, in linear sRGB.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/metals/cie_tables.h"
#include "tools/metals/nk_file.h"

namespace veltrane::tools {

using Rgb = std::array<double, 3>;
using Xyz = std::array<double, 3>;

/// The data must cover at least this range (nm); beyond it, up to the grid's ends, the end
/// values are held.
constexpr double kRequiredFirstNm = 400.0;
constexpr double kRequiredLastNm = 700.0;

/// n and k of a metal on the tables' grid.
struct SpectralNk {
    std::vector<double> n, k;
    /// Share of the sum of S * ybar over grid wavelengths where an end value was held, and
    /// those wavelengths as text ("380-395 nm, 705-780 nm"); 0 and empty when the data
    /// covers the whole grid.
    double heldShare = 0.0;
    std::string heldRanges;
};

/// The resampled data, or a one-line message naming the file and the range its data covers.
struct SpectralNkResult {
    std::optional<SpectralNk> nk;
    std::string error;
};

/// n and k interpolated linearly onto the grid (the file's wavelengths are in um). Data
/// that does not cover 400 to 700 nm for both n and k is refused; between the data's end
/// and the grid's end the end value is held, never extrapolated.
SpectralNkResult ResampleNk(const NkTable& table, const CieTables& tables,
                            std::string_view fileName);

/// CIE XYZ of a reflectance spectrum under D65, scaled so that a perfect reflector has Y = 1
/// (the 5 nm step cancels).
Xyz SpectralXyz(const CieTables& tables, const std::vector<double>& reflectance);

/// Linear sRGB of an XYZ colour: the Rec.709/D65 matrix with its rows scaled so that the
/// tables' own D65 white gives exactly (1, 1, 1); a grey spectrum then keeps its value.
Rgb LinearSrgb(const CieTables& tables, const Xyz& xyz);

/// Linear sRGB of the metal at facing value mu: the exact unpolarised reflectance per grid
/// wavelength, integrated. Channels may lie outside [0, 1] (outside the sRGB gamut).
Rgb SpectralColour(const CieTables& tables, const SpectralNk& nk, double mu);

}  // namespace veltrane::tools
