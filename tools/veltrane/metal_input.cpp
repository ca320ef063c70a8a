// The metal input: each source read the one way, its source line and its warnings.
#include "tools/veltrane/metal_input.h"

#include <fmt/format.h>

#include <cstdio>

#include "tools/metals/artist_mapping.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/data_folder.h"
#include "tools/veltrane/nk_input.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/option_values.h"

namespace veltrane::tools {
namespace {

MetalInput FromFile(const MetalInputText& text) {
    const NkTable table = LoadNkTable(text.file);
    MetalInput input;
    input.source = text.file + " (n " + CurveRange(table.n) + ", k " + CurveRange(table.k) + ")";
    if (text.spectral) {
        input.spectral = IntegrateMetal(table, LoadCieTables(FindDataFolder(text.data)), text.file);
        input.ior = input.spectral->ior;
        input.warnings = input.spectral->warnings;
        input.source += ", integrated over the spectrum";
    } else {
        input.ior = PointSampledIor(table, text.file);
    }
    return input;
}

MetalInput FromPreset(const std::string& name) {
    const Metal& metal = MetalOption(name);
    return {std::string(metal.name) + " (" + std::string(metal.source) + ")", metal.ior, {}, {}};
}

MetalInput FromTypedValues(const std::string& nText, const std::string& kText) {
    const auto n = BoundedTripleOption("--n", nText, 0.0, kMapIorLimit);
    const auto k = BoundedTripleOption("--k", kText, 0.0, kMapIorLimit);
    return {"custom", {n[0], n[1], n[2], k[0], k[1], k[2]}, {}, {}};
}

// Values the map would clamp: only a file can give them, typed ones are refused.
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

}  // namespace

bool HasMetalInput(const MetalInputText& text) {
    return !text.file.empty() || !text.preset.empty() || !text.n.empty();
}

MetalInput ReadMetalInput(const MetalInputText& text) {
    if (text.spectral && text.file.empty()) {
        throw UsageError("--spectral needs a database file FILE.yml");
    }
    MetalInput input;
    if (!text.file.empty()) {
        input = FromFile(text);
    } else if (!text.preset.empty()) {
        input = FromPreset(text.preset);
    } else if (!text.n.empty() && !text.k.empty()) {
        input = FromTypedValues(text.n, text.k);
    } else {
        throw UsageError(
            "missing input (valid: --preset NAME, --n R,G,B with --k R,G,B, or FILE.yml "
            "[--spectral])");
    }
    AddRangeWarnings(input);
    return input;
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
