// The spectral step: resample, integrate at both angles, clip into sRGB, fit per channel,
// with a warning for each thing changed on the way (messages of any length, paths included).
#include "tools/veltrane/spectral_metal.h"

#include <fmt/format.h>

#include <algorithm>

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
        warnings.push_back(
            fmt::format(FMT_STRING("{} {} {:.4f} lies outside the sRGB gamut; clipped to {}"),
                        kChannelNames[c], what, rgb[c], std::clamp(rgb[c], 0.0, 1.0)));
    }
}

}  // namespace

void NoteFit(const FittedChannel& fit, std::size_t channel, const char* f0Name,
             std::vector<std::string>& warnings) {
    if (fit.reflectivityClipped) {
        warnings.push_back(fmt::format(
            FMT_STRING("{} {} clipped to {} for the fit: 1 is a pole (n and k grow without bound)"),
            kChannelNames[channel], f0Name, kMaxReflectivity));
    }
    if (fit.edgeClamped) {
        warnings.push_back(
            fmt::format(FMT_STRING("{}: the map cannot reach this edge colour with this {} (it "
                                   "reaches {:.4f} to {:.4f} at mu 1/7); the fit takes the nearer "
                                   "end"),
                        kChannelNames[channel], f0Name, fit.edgeLow, fit.edgeHigh));
    }
}

void NoteHeldEnds(const SpectralNk& nk, const std::string& path,
                  std::vector<std::string>& warnings) {
    if (nk.heldRanges.empty()) return;
    warnings.push_back(fmt::format(
        FMT_STRING("{}: the data ends inside 380-780 nm; end values held over {} ({:.4f}% of "
                   "the sum of D65 times ybar)"),
        path, nk.heldRanges, 100.0 * nk.heldShare));
}

SpectralMetal IntegrateMetal(const NkTable& table, const CieTables& tables,
                             const std::string& path) {
    SpectralNkResult resampled = ResampleNk(table, tables, path);
    if (!resampled.nk) throw UsageError(resampled.error);
    SpectralMetal m;
    m.nk = std::move(*resampled.nk);
    NoteHeldEnds(m.nk, path, m.warnings);
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
