// The comparison of a metal's six values with its database file, to the values' own digits.
#include "tools/veltrane/point_sample_notes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/nk_input.h"
#include "tools/veltrane/number_text.h"

namespace veltrane::tools {
namespace {

// Half a unit of the fifth significant digit, or of the value's last written decimal where
// it has more: the rounding a value taken from the file may carry. Values are compared at
// five digits even where their shortest text is shorter (2.219 stands for 2.2190). A little
// more, so that a sample exactly halfway agrees in both directions however the float and the
// interpolation round.
double Tolerance(float value) {
    const std::string text = ShortestText(value);
    const std::size_t point = text.find('.');
    const int written = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    const double magnitude = std::fabs(double{value});
    const int fiveDigits =
        magnitude > 0.0 ? 4 - static_cast<int>(std::floor(std::log10(magnitude))) : written;
    const int decimals = std::max(written, fiveDigits);
    return 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-6) + 1e-7 * magnitude;
}

}  // namespace

std::vector<SampleDifference> DifferencesFromFile(const Metal& metal, const NkTable& table) {
    const ComplexIOR& ior = metal.ior;
    const std::array<float, 6> values = {ior.n(0), ior.n(1), ior.n(2),
                                         ior.k(0), ior.k(1), ior.k(2)};
    std::vector<SampleDifference> differences;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t channel = i % 3;
        const auto& curve = i < 3 ? table.n : table.k;
        const std::optional<double> file = Interpolate(curve, kChannelWavelengths[channel]);
        if (file && std::fabs(*file - double{values[i]}) <= Tolerance(values[i])) continue;
        differences.push_back(
            {std::string(i < 3 ? "n " : "k ") + kChannelNames[channel], values[i], file});
    }
    return differences;
}

std::string DescribeDifference(const SampleDifference& difference) {
    char file[48] = "outside the file's data";
    if (difference.file) std::snprintf(file, sizeof file, "file %.6g", *difference.file);
    return difference.parameter + " " + ShortestText(difference.value) + " (" + file + ")";
}

}  // namespace veltrane::tools
