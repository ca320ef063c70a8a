// The nk report and the artist colours' n and k, shared by the command and the workbench page.
#include "tools/veltrane/nk_report.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "tools/metals/artist_mapping.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/maxscript_snippet.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/point_samples.h"

namespace veltrane::tools {
namespace {

// The integrated colours before the fit: linear (unclipped) and 8-bit sRGB.
std::vector<std::pair<std::string, Cells>> SpectralRows(const SpectralMetal& m) {
    return {{"integ f0", FixedCells(m.f0, kColourDecimals)},
            {"integ f0 8-bit", SrgbByteCells(m.f0)},
            {"integ edge", FixedCells(m.edge, kColourDecimals)},
            {"integ edge 8-bit", SrgbByteCells(m.edge)}};
}

}  // namespace

NkResult NkFromMetal(MetalInput metal) {
    NkResult result;
    result.metal = std::move(metal);
    if (result.metal.spectral) {
        for (std::size_t c = 0; c < 3; ++c) {
            result.f0Clamped[c] = result.metal.spectral->fit[c].reflectivityClipped;
        }
    }
    return result;
}

NkResult NkFromArtist(const std::array<float, 3>& f0, const std::array<float, 3>& edge,
                      const std::string& source) {
    NkResult result;
    result.metal.source = source;
    for (std::size_t c = 0; c < 3; ++c) {
        const IorChannel ior = IorFromArtist(f0[c], edge[c]);
        if (ior.reflectivityClamped) {
            result.metal.warnings.push_back(PoleWarning(c, "f0"));
            result.f0Clamped[c] = true;
        }
        result.metal.ior.n(c) = static_cast<float>(ior.n);
        result.metal.ior.k(c) = static_cast<float>(ior.k);
    }
    return result;
}

void PrintNkReport(NkResult result) {
    MetalInput& metal = result.metal;
    std::array<double, 3> f0{}, edge{};
    for (std::size_t c = 0; c < 3; ++c) {
        const ArtistChannel artist = ArtistFromIor(metal.ior.n(c), metal.ior.k(c));
        f0[c] = artist.reflectivity;
        edge[c] = artist.edgeTint;
        if (artist.reflectivityClamped && !result.f0Clamped[c]) {
            metal.warnings.push_back(PoleWarning(c, "f0"));
        }
        if (edge[c] < 0.0 || edge[c] > 1.0) {
            metal.warnings.push_back(std::string(kChannelNames[c]) +
                                     " edge tint lies outside 0 to 1: the artist mapping "
                                     "cannot express this channel exactly");
        }
    }

    std::vector<std::pair<std::string, Cells>> rows;
    rows.push_back({"channel", {"red", "green", "blue"}});
    if (metal.spectral) {
        for (auto& row : SpectralRows(*metal.spectral)) rows.push_back(std::move(row));
    } else {
        rows.push_back({"um", FixedCells(kChannelWavelengths, 3)});
    }
    rows.push_back({"n", NCells(metal.ior)});
    rows.push_back({"k", KCells(metal.ior)});
    rows.push_back({"f0", FixedCells(f0, kColourDecimals)});
    rows.push_back({"edge tint", FixedCells(edge, kColourDecimals)});

    // One label column for the whole report, one space wider than its longest label.
    std::size_t width = std::string("spectral").size();
    for (const auto& row : rows) width = std::max(width, row.first.size());
    const int labelWidth = static_cast<int>(width) + 1;
    PrintLabelled(labelWidth, "source", metal.source);
    if (metal.spectral) {
        PrintLabelled(labelWidth, "spectral",
                      "CIE 1931 2-degree observer, D65, 380-780 nm; integ = integrated, edge at "
                      "mu 1/7; n and k fitted to both, clipped into 0 to 1");
    }
    for (const auto& [label, cells] : rows) PrintChannelRow(labelWidth, label, cells);
    std::printf("\n%s", MaxScriptSnippet(metal.ior).c_str());
    PrintWarnings("nk", metal.warnings);
}

}  // namespace veltrane::tools
