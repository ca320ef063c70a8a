// Measured-data files (YAML) from anywhere: the parse, then the spectral path on what it
// returns (resampling onto the colour tables' grid, the colour at two angles, the fit).
// Beyond surviving, the results must hold these properties:
//   - a parse gives a table or a message naming the file, never both or neither (the
//     message may quote control bytes: the command line escapes them);
//   - a table's n and k are not empty, sorted by wavelength, with positive finite
//     wavelengths and finite non-negative values;
//   - interpolation inside a curve gives a finite value between its neighbours' values, and
//     nothing outside it;
//   - data covering 400 to 700 nm resamples to finite values within the data's range;
//     anything else is refused with a message naming the file;
//   - the colours at both angles are finite, and the fit to them gives finite n > 0, k >= 0.
// The colour tables are made up (smooth positive curves on the real grid): the properties
// hold for any such tables, and the harness reads no files.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "tools/metals/cie_tables.h"
#include "tools/metals/nk_file.h"
#include "tools/metals/spectral_colour.h"
#include "tools/metals/two_angle_fit.h"

namespace {

using namespace veltrane::tools;

constexpr std::string_view kFileName = "fuzzed.yml";

double Bump(double nm, double centre, double width) {
    const double x = (nm - centre) / width;
    return std::exp(-0.5 * x * x);
}

CieTables MadeUpTables() {
    CieTables t;
    for (int nm = kCieFirstNm; nm <= kCieLastNm; nm += kCieStepNm) {
        const double w = nm;
        t.wavelengthNm.push_back(w);
        t.xbar.push_back(Bump(w, 600, 40) + 0.35 * Bump(w, 445, 20));
        t.ybar.push_back(Bump(w, 555, 45));
        t.zbar.push_back(1.8 * Bump(w, 450, 25));
        t.d65.push_back(1.0 + 0.2 * Bump(w, 460, 60));
    }
    return t;
}

bool Finite(double x) {
    return std::isfinite(x);
}

void CheckCurve(const std::vector<NkSample>& curve) {
    FUZZ_CHECK(!curve.empty());
    for (std::size_t i = 0; i < curve.size(); ++i) {
        FUZZ_CHECK(Finite(curve[i].wavelength) && curve[i].wavelength > 0.0);
        FUZZ_CHECK(Finite(curve[i].value) && curve[i].value >= 0.0);
        if (i > 0) FUZZ_CHECK(curve[i - 1].wavelength <= curve[i].wavelength);
    }
}

// Interpolation at each row, between each pair of rows and beyond both ends.
void CheckInterpolation(const std::vector<NkSample>& curve) {
    const std::size_t stride = std::max<std::size_t>(1, curve.size() / 64);
    for (std::size_t i = 0; i + 1 < curve.size(); i += stride) {
        const NkSample& lo = curve[i];
        const NkSample& hi = curve[i + 1];
        const double mid = lo.wavelength + 0.5 * (hi.wavelength - lo.wavelength);
        const auto value = Interpolate(curve, mid);
        FUZZ_CHECK(value && Finite(*value));
        if (lo.wavelength < mid && mid < hi.wavelength) {
            FUZZ_CHECK(*value >= std::min(lo.value, hi.value));
            FUZZ_CHECK(*value <= std::max(lo.value, hi.value));
        }
    }
    FUZZ_CHECK(Interpolate(curve, curve.front().wavelength).has_value());
    FUZZ_CHECK(Interpolate(curve, curve.back().wavelength).has_value());
    FUZZ_CHECK(!Interpolate(curve, std::nextafter(curve.front().wavelength, 0.0)));
    FUZZ_CHECK(!Interpolate(curve, std::nextafter(curve.back().wavelength, HUGE_VAL)));
}

bool Covers(const std::vector<NkSample>& curve) {
    return curve.front().wavelength <= kRequiredFirstNm / 1000.0 &&
           curve.back().wavelength >= kRequiredLastNm / 1000.0;
}

void CheckResampled(const std::vector<double>& values, const std::vector<NkSample>& curve) {
    const auto [low, high] =
        std::minmax_element(curve.begin(), curve.end(),
                            [](const NkSample& a, const NkSample& b) { return a.value < b.value; });
    FUZZ_CHECK(values.size() == kCieRows);
    for (double v : values) FUZZ_CHECK(Finite(v) && v >= low->value && v <= high->value);
}

void CheckSpectralPath(const NkTable& table) {
    static const CieTables tables = MadeUpTables();
    const SpectralNkResult resampled = ResampleNk(table, tables, kFileName);
    if (!Covers(table.n) || !Covers(table.k)) {
        FUZZ_CHECK(!resampled.nk && resampled.error.rfind(kFileName, 0) == 0);
        return;
    }
    FUZZ_CHECK(resampled.nk && resampled.error.empty());
    const SpectralNk& nk = *resampled.nk;
    CheckResampled(nk.n, table.n);
    CheckResampled(nk.k, table.k);
    FUZZ_CHECK(nk.heldShare >= 0.0 && nk.heldShare <= 1.0);
    for (double mu : {1.0, kEdgeFacing}) {
        const Rgb rgb = SpectralColour(tables, nk, mu);
        for (double c : rgb) FUZZ_CHECK(Finite(c));
    }
    const Rgb f0 = SpectralColour(tables, nk, 1.0);
    const Rgb edge = SpectralColour(tables, nk, kEdgeFacing);
    for (std::size_t c = 0; c < 3; ++c) {
        const FittedChannel fit =
            FitTwoAngles(std::clamp(f0[c], 0.0, 1.0), std::clamp(edge[c], 0.0, 1.0));
        FUZZ_CHECK(Finite(fit.n) && fit.n > 0.0 && Finite(fit.k) && fit.k >= 0.0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const NkParse parse = ParseNkFile(text, kFileName);
    if (!parse.table) {
        FUZZ_CHECK(parse.error.rfind(kFileName, 0) == 0);
        return 0;
    }
    FUZZ_CHECK(parse.error.empty());
    CheckCurve(parse.table->n);
    CheckCurve(parse.table->k);
    CheckInterpolation(parse.table->n);
    CheckInterpolation(parse.table->k);
    CheckSpectralPath(*parse.table);
    return 0;
}
