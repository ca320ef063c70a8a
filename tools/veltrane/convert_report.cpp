// The conversions and the table report, shared by the command and the workbench page.
#include "tools/veltrane/convert_report.h"

#include <fmt/format.h>

#include <cstdio>

#include "tools/metals/artist_mapping.h"
#include "tools/metals/colour_models.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/maxscript_snippet.h"
#include "tools/veltrane/metal_input.h"
#include "tools/veltrane/number_text.h"

namespace veltrane::tools {

const char* ModelTitle(Model model) {
    return model == Model::kOpenPbr ? "OpenPBR Surface metal, F82 tint (base_color, specular_color)"
                                    : "Standard Surface 1.0 metal (base_color = reflectivity r, "
                                      "specular_color = edge tint g)";
}

const char* ModelKey(Model model) {
    return model == Model::kOpenPbr ? "openpbr" : "standard-surface";
}

// The model's colours of the map's n and k, with what had to be clipped.
void ColoursFromIor(Conversion& conv) {
    for (std::size_t c = 0; c < 3; ++c) {
        const float n = conv.ior.n(c), k = conv.ior.k(c);
        if (conv.model == Model::kOpenPbr) {
            const F82Channel f82 = F82FromIor(n, k);
            conv.baseColor[c] = f82.baseColor;
            conv.specularColor[c] = f82.specularColor;
            if (f82.specularClipped) {
                conv.warnings.push_back(fmt::format(
                    FMT_STRING("{} specular_color {:.4f} clipped to 1: the F82 tint cannot raise "
                               "the edge above Schlick's curve, so the edge comes out darker than "
                               "the map's"),
                    kChannelNames[c], f82.specularNeeded));
            }
        } else {
            const ArtistChannel artist = ArtistFromIor(n, k);
            conv.baseColor[c] = artist.reflectivity;
            conv.specularColor[c] = artist.edgeTint;
            if (artist.reflectivityClamped) {
                conv.warnings.push_back(PoleWarning(c, "base_color"));
            }
            if (artist.edgeTint < 0.0 || artist.edgeTint > 1.0) {
                conv.warnings.push_back(
                    fmt::format(FMT_STRING("{} specular_color {:.4f} lies outside 0 to 1: the "
                                           "mapping cannot express this channel exactly"),
                                kChannelNames[c], artist.edgeTint));
            }
        }
    }
}

// n and k of the model's colours.
void IorFromColours(Conversion& conv) {
    for (std::size_t c = 0; c < 3; ++c) {
        double n = 0.0, k = 0.0;
        if (conv.model == Model::kOpenPbr) {
            const FittedChannel fit = IorFromF82(conv.baseColor[c], conv.specularColor[c]);
            NoteFit(fit, c, "base_color", conv.warnings);
            n = fit.n, k = fit.k;
        } else {
            const IorChannel ior = IorFromArtist(conv.baseColor[c], conv.specularColor[c]);
            if (ior.reflectivityClamped) {
                conv.warnings.push_back(PoleWarning(c, "base_color"));
            }
            n = ior.n, k = ior.k;
        }
        conv.ior.n(c) = static_cast<float>(n);
        conv.ior.k(c) = static_cast<float>(k);
    }
}

void PrintConversionTable(const Conversion& conv) {
    constexpr int kWidth = 16;
    std::printf("%-*s%s\n", kWidth, "source", conv.source.c_str());
    std::printf("%-*s%s\n", kWidth, "model", ModelTitle(conv.model));
    PrintChannelRow(kWidth, "channel", {"red", "green", "blue"});
    if (conv.spectral) {
        PrintChannelRow(kWidth, "spectral f0", FixedCells(conv.spectral->f0, kColourDecimals));
        PrintChannelRow(kWidth, "spectral edge", FixedCells(conv.spectral->edge, kColourDecimals));
    }
    PrintChannelRow(kWidth, "n", NCells(conv.ior));
    PrintChannelRow(kWidth, "k", KCells(conv.ior));
    PrintChannelRow(kWidth, "base_color", FixedCells(conv.baseColor, kColourDecimals));
    PrintChannelRow(kWidth, "specular_color", FixedCells(conv.specularColor, kColourDecimals));
    if (conv.toMap) std::printf("\n%s", MaxScriptSnippet(conv.ior).c_str());
}

}  // namespace veltrane::tools
