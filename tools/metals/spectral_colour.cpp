// Spectral reflectance integrated against the observer and D65, then to linear sRGB.
#include "tools/metals/spectral_colour.h"

#include <algorithm>
#include <cstdio>

#include "tools/metals/exact_fresnel.h"

namespace veltrane::tools {
namespace {

constexpr double kXyzToSrgb[3][3] = {{3.2409699, -1.5373832, -0.4986108},
                                     {-0.9692436, 1.8759675, 0.0415551},
                                     {0.0556301, -0.2039770, 1.0569715}};

bool Covers(const std::vector<NkSample>& curve) {
    return curve.front().wavelength <= kRequiredFirstNm / 1000.0 &&
           curve.back().wavelength >= kRequiredLastNm / 1000.0;
}

// The curve's value at wavelength (um), its end value beyond its range.
double Held(const std::vector<NkSample>& curve, double wavelength) {
    const double inside = std::clamp(wavelength, curve.front().wavelength, curve.back().wavelength);
    return *Interpolate(curve, inside);
}

bool Outside(const std::vector<NkSample>& curve, double wavelength) {
    return wavelength < curve.front().wavelength || wavelength > curve.back().wavelength;
}

void AppendRange(std::string& text, double first, double last) {
    char range[48];
    std::snprintf(range, sizeof range, "%s%g-%g nm", text.empty() ? "" : ", ", first, last);
    text += range;
}

}  // namespace

SpectralNkResult ResampleNk(const NkTable& table, const CieTables& tables,
                            std::string_view fileName) {
    SpectralNkResult result;
    if (!Covers(table.n) || !Covers(table.k)) {
        char needed[64];
        std::snprintf(needed, sizeof needed, "%g to %g um", kRequiredFirstNm / 1000.0,
                      kRequiredLastNm / 1000.0);
        result.error = std::string(fileName) + ": the data (n " + CurveRange(table.n) + ", k " +
                       CurveRange(table.k) + ") does not cover " + needed +
                       ", which a spectral colour needs; values are never extrapolated";
        return result;
    }
    SpectralNk nk;
    double held = 0.0, total = 0.0;
    double runStart = -1.0, runEnd = -1.0;
    for (std::size_t i = 0; i < tables.wavelengthNm.size(); ++i) {
        const double nm = tables.wavelengthNm[i];
        const double um = nm / 1000.0;
        nk.n.push_back(Held(table.n, um));
        nk.k.push_back(Held(table.k, um));
        const double weight = tables.d65[i] * tables.ybar[i];
        total += weight;
        if (Outside(table.n, um) || Outside(table.k, um)) {
            held += weight;
            if (runStart < 0.0) runStart = nm;
            runEnd = nm;
        } else if (runStart >= 0.0) {
            AppendRange(nk.heldRanges, runStart, runEnd);
            runStart = -1.0;
        }
    }
    if (runStart >= 0.0) AppendRange(nk.heldRanges, runStart, runEnd);
    nk.heldShare = total > 0.0 ? held / total : 0.0;
    result.nk = std::move(nk);
    return result;
}

Xyz SpectralXyz(const CieTables& tables, const std::vector<double>& reflectance) {
    Xyz xyz{};
    double norm = 0.0;
    for (std::size_t i = 0; i < tables.wavelengthNm.size(); ++i) {
        const double light = reflectance[i] * tables.d65[i];
        xyz[0] += light * tables.xbar[i];
        xyz[1] += light * tables.ybar[i];
        xyz[2] += light * tables.zbar[i];
        norm += tables.d65[i] * tables.ybar[i];
    }
    for (double& v : xyz) v /= norm;
    return xyz;
}

Rgb LinearSrgb(const CieTables& tables, const Xyz& xyz) {
    const Xyz white = SpectralXyz(tables, std::vector<double>(tables.wavelengthNm.size(), 1.0));
    Rgb rgb{};
    for (std::size_t row = 0; row < 3; ++row) {
        double value = 0.0, whiteValue = 0.0;
        for (std::size_t col = 0; col < 3; ++col) {
            value += kXyzToSrgb[row][col] * xyz[col];
            whiteValue += kXyzToSrgb[row][col] * white[col];
        }
        rgb[row] = value / whiteValue;
    }
    return rgb;
}

Rgb SpectralColour(const CieTables& tables, const SpectralNk& nk, double mu) {
    std::vector<double> reflectance;
    for (std::size_t i = 0; i < nk.n.size(); ++i) {
        reflectance.push_back(ExactConductorReflectance(nk.n[i], nk.k[i], mu));
    }
    return LinearSrgb(tables, SpectralXyz(tables, reflectance));
}

}  // namespace veltrane::tools
