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
    if (!text.spectral) return MetalFromTable(table, text.file, nullptr);
    const CieTables tables = LoadCieTables(FindDataFolder(text.data));
    return MetalFromTable(table, text.file, &tables);
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

}  // namespace veltrane::tools
