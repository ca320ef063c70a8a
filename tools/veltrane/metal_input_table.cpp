// The metal input's parts that need neither a file nor an option: a metal from a database
// file's table, and the warnings of every input.
#include <fmt/format.h>

#include <cstdio>

#include "tools/metals/artist_mapping.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/metal_input.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/option_values.h"
#include "tools/veltrane/point_samples.h"

namespace veltrane::tools {

MetalInput MetalFromTable(const NkTable& table, const std::string& path,
                          const CieTables* spectral) {
    MetalInput input;
    input.source = path + " (n " + CurveRange(table.n) + ", k " + CurveRange(table.k) + ")";
    if (spectral != nullptr) {
        input.spectral = IntegrateMetal(table, *spectral, path);
        input.ior = input.spectral->ior;
        input.warnings = input.spectral->warnings;
        input.source += ", integrated over the spectrum";
    } else {
        input.ior = PointSampledIor(table, path);
    }
    return input;
}

void AddRangeWarnings(MetalInput& input) {
    const auto check = [&input](const char* quantity, std::size_t c, float value) {
        if (value <= kMapIorLimit) return;
        input.warnings.push_back(
            fmt::format(FMT_STRING("{} {} = {} exceeds the map's range 0 to {}; the map clamps it"),
                        quantity, kChannelNames[c], ShortestText(value), kMapIorLimit));
    };
    for (std::size_t c = 0; c < 3; ++c) check("n", c, input.ior.n(c));
    for (std::size_t c = 0; c < 3; ++c) check("k", c, input.ior.k(c));
}

std::string PoleWarning(std::size_t channel, const std::string& quantity) {
    return fmt::format(FMT_STRING("{} {} clamped to {}: {} = 1 is a pole of the mapping (n and k "
                                  "grow without bound)"),
                       kChannelNames[channel], quantity, kMaxReflectivity, quantity);
}

void PrintWarnings(const std::string& command, const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
        std::fprintf(stderr, "veltrane %s: warning: %s\n", command.c_str(), warning.c_str());
    }
}

}  // namespace veltrane::tools
