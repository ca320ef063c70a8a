// The nk report and the results it describes, shared by the command and the workbench page.
#include "tools/veltrane/nk_report.h"

#include <cstdio>

#include "core/param_store.h"
#include "tools/metals/artist_mapping.h"
#include "tools/metals/srgb.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/maxscript_snippet.h"
#include "tools/veltrane/option_values.h"
#include "tools/veltrane/point_samples.h"

namespace veltrane::tools {
namespace {

float& Field(ComplexIOR& ior, int index) {
    return ior.*kIorParamFields[index].field;
}

std::string ClampNote(int channel) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "%s f0 clamped to %g: f0 = 1 is a pole of the mapping (n and k grow without "
                  "bound)",
                  kChannelNames[channel], kMaxReflectivity);
    return text;
}

void AddLimitWarnings(NkResult& result) {
    for (int i = 0; i < 6; ++i) {
        const float v = Field(result.ior, i);
        if (v > kMapIorLimit) {
            char text[160];
            std::snprintf(text, sizeof text,
                          "%s %s = %g exceeds the map's range 0 to %g; the map clamps it",
                          i < 3 ? "n" : "k", kChannelNames[i % 3], double{v}, kMapIorLimit);
            result.warnings.push_back(text);
        }
    }
}

void PrintRow(const char* label, const Cells& cells) {
    PrintChannelRow(10, label, cells);
}

Cells ByteCells(const Rgb& linear) {
    return {std::to_string(SrgbByte(linear[0])), std::to_string(SrgbByte(linear[1])),
            std::to_string(SrgbByte(linear[2]))};
}

// The integrated colours before the fit: linear (unclipped) and 8-bit sRGB.
void PrintSpectral(const SpectralMetal& m) {
    PrintRow("integ f0", FormatCells("%.6f", m.f0));
    PrintRow("f0 8-bit", ByteCells(m.f0));
    PrintRow("integ edge", FormatCells("%.6f", m.edge));
    PrintRow("edge 8bit", ByteCells(m.edge));
}

}  // namespace

NkResult NkFromTable(const NkTable& table, const std::string& path, const CieTables* spectral) {
    NkResult result;
    result.source = path + " (n " + CurveRange(table.n) + ", k " + CurveRange(table.k) + ")";
    if (spectral == nullptr) {
        result.ior = PointSampledIor(table, path);
        return result;
    }
    result.spectral = IntegrateMetal(table, *spectral, path);
    result.ior = result.spectral->ior;
    result.warnings = result.spectral->warnings;
    for (std::size_t c = 0; c < 3; ++c) {
        result.f0Clamped[c] = result.spectral->fit[c].reflectivityClipped;
    }
    return result;
}

NkResult NkFromArtist(const std::array<float, 3>& f0, const std::array<float, 3>& edge,
                      const std::string& source) {
    NkResult result;
    result.source = source;
    for (int c = 0; c < 3; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const IorChannel ior = IorFromArtist(f0[i], edge[i]);
        if (ior.reflectivityClamped) {
            result.warnings.push_back(ClampNote(c));
            result.f0Clamped[i] = true;
        }
        Field(result.ior, c) = static_cast<float>(ior.n);
        Field(result.ior, c + 3) = static_cast<float>(ior.k);
    }
    return result;
}

void PrintNkReport(NkResult result) {
    std::array<double, 3> f0{}, edge{};
    for (int c = 0; c < 3; ++c) {
        const ArtistChannel artist = ArtistFromIor(Field(result.ior, c), Field(result.ior, c + 3));
        f0[c] = artist.reflectivity;
        edge[c] = artist.edgeTint;
        if (artist.reflectivityClamped && !result.f0Clamped[static_cast<std::size_t>(c)]) {
            result.warnings.push_back(ClampNote(c));
        }
        if (edge[c] < 0.0 || edge[c] > 1.0) {
            result.warnings.push_back(std::string(kChannelNames[c]) +
                                      " edge tint lies outside 0 to 1: the artist mapping "
                                      "cannot express this channel exactly");
        }
    }
    AddLimitWarnings(result);

    std::printf("source    %s\n", result.source.c_str());
    if (result.spectral) {
        std::printf(
            "spectral  CIE 1931 2-degree observer, D65, 380-780 nm; integ = integrated, edge at mu "
            "1/7; n and k fitted to both, clipped into 0 to 1\n");
    }
    PrintRow("channel", {"red", "green", "blue"});
    if (result.spectral) PrintSpectral(*result.spectral);
    if (!result.spectral) PrintRow("um", FormatCells("%.3f", kChannelWavelengths));
    PrintRow("n", IorCells(result.ior, 0));
    PrintRow("k", IorCells(result.ior, 3));
    PrintRow("f0", FormatCells("%.6f", f0));
    PrintRow("edge tint", FormatCells("%.6f", edge));
    std::printf("\n%s", MaxScriptSnippet(result.ior).c_str());
    for (const std::string& warning : result.warnings) {
        std::fprintf(stderr, "veltrane nk: warning: %s\n", warning.c_str());
    }
}

}  // namespace veltrane::tools
