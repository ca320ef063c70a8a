#include "tools/veltrane/spectral_metal.h"

#include <algorithm>
#include <cstdio>

#include "tools/metals/artist_mapping.h"
#include "tools/metals/closed_form_deviation.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/command_line.h"

namespace veltrane::tools {
namespace {

Rgb Clipped(const Rgb& rgb) {
    Rgb shown;
    for (std::size_t c = 0; c < 3; ++c) shown[c] = std::clamp(rgb[c], 0.0, 1.0);
    return shown;
}

void NoteGamut(const Rgb& rgb, const char* what, std::vector<std::string>& warnings) {
    for (std::size_t c = 0; c < 3; ++c) {
        if (rgb[c] >= 0.0 && rgb[c] <= 1.0) continue;
        char text[160];
        std::snprintf(text, sizeof text, "%s %s %.4f lies outside the sRGB gamut; clipped to %g",
                      kChannelNames[c], what, rgb[c], std::clamp(rgb[c], 0.0, 1.0));
        warnings.push_back(text);
    }
}

}  // namespace

void NoteFit(const FittedChannel& fit, std::size_t channel, const char* f0Name,
             std::vector<std::string>& warnings) {
    char text[240];
    if (fit.reflectivityClipped) {
        std::snprintf(text, sizeof text,
                      "%s %s clipped to %g for the fit: 1 is a pole (n and k grow without bound)",
                      kChannelNames[channel], f0Name, kMaxReflectivity);
        warnings.push_back(text);
    }
    if (fit.edgeClamped) {
        std::snprintf(text, sizeof text,
                      "%s: the map cannot reach this edge colour with this %s (it reaches %.4f "
                      "to %.4f at mu 1/7); the fit takes the nearer end",
                      kChannelNames[channel], f0Name, fit.edgeLow, fit.edgeHigh);
        warnings.push_back(text);
    }
}

SpectralMetal IntegrateMetal(const NkTable& table, const CieTables& tables,
                             const std::string& path) {
    SpectralNkResult resampled = ResampleNk(table, tables, path);
    if (!resampled.nk) throw UsageError(resampled.error);
    SpectralMetal m;
    m.nk = std::move(*resampled.nk);
    if (!m.nk.heldRanges.empty()) {
        char text[320];
        std::snprintf(text, sizeof text,
                      "%s: the data ends inside 380-780 nm; end values held over %s (%.4f%% of "
                      "the sum of D65 times ybar)",
                      path.c_str(), m.nk.heldRanges.c_str(), 100.0 * m.nk.heldShare);
        m.warnings.push_back(text);
    }
    m.f0 = SpectralColour(tables, m.nk, 1.0);
    m.edge = SpectralColour(tables, m.nk, kEdgeFacing);
    NoteGamut(m.f0, "f0", m.warnings);
    NoteGamut(m.edge, "edge colour", m.warnings);
    m.f0Shown = Clipped(m.f0);
    m.edgeShown = Clipped(m.edge);
    for (std::size_t c = 0; c < 3; ++c) {
        m.fit[c] = FitTwoAngles(m.f0Shown[c], m.edgeShown[c]);
        NoteFit(m.fit[c], c, "f0", m.warnings);
        m.ior.n(c) = static_cast<float>(m.fit[c].n);
        m.ior.k(c) = static_cast<float>(m.fit[c].k);
    }
    return m;
}

std::array<std::vector<double>, 3> SpectralSweep(const CieTables& tables, const SpectralNk& nk) {
    std::array<std::vector<double>, 3> sweep;
    for (int step = 0; step <= kSweepSteps; ++step) {
        const Rgb rgb = Clipped(SpectralColour(tables, nk, SweepFacing(step)));
        for (std::size_t c = 0; c < 3; ++c) sweep[c].push_back(rgb[c]);
    }
    return sweep;
}

}  // namespace veltrane::tools
