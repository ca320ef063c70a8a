// The curves report and its reference curves, shared by the command and the workbench page.
#include "tools/veltrane/curves_report.h"

#include <fmt/format.h>

#include <cstdio>
#include <string>

#include "tools/metals/closed_form_deviation.h"
#include "tools/metals/colour_models.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/number_text.h"

namespace veltrane::tools {
namespace {

void WarnBeyondBound(const Material& m, std::size_t c, const Deviation& d) {
    const float n = m.ior.n(c), k = m.ior.k(c);
    const std::string cause(PoorApproximationCause(n, k));
    const std::string warning =
        fmt::format(FMT_STRING("veltrane curves: warning: {} {} (n {}, k {}): the closed form is "
                               "off by {:.4f} at {:.1f} deg, beyond {}{}"),
                    m.name, kChannelNames[c], ShortestText(n), ShortestText(k), d.largest,
                    d.degrees, kClosedFormBound, cause.empty() ? "" : "; poor where " + cause);
    std::fprintf(stderr, "%s\n", warning.c_str());
}

}  // namespace

// The F82-tint curve of each channel of the map's n and k; clipped tints are reported.
CurveSet OpenPbrSet(const Material& m) {
    CurveSet set{m, "OpenPBR F82 tint", {}};
    for (std::size_t c = 0; c < 3; ++c) {
        const F82Channel f82 = F82FromIor(m.ior.n(c), m.ior.k(c));
        if (f82.specularClipped) {
            std::fprintf(stderr,
                         "veltrane curves: warning: %s %s: specular_color %.4f clipped to 1\n",
                         m.name.c_str(), kChannelNames[c], f82.specularNeeded);
        }
        for (int step = 0; step <= kSweepSteps; ++step) {
            set.values[c].push_back(
                F82Reflectance(f82.baseColor, f82.specularColor, SweepFacing(step)));
        }
    }
    return set;
}

CurveSet ExactSet(const Material& m) {
    CurveSet set{m, "exact Fresnel", {}};
    for (std::size_t c = 0; c < 3; ++c) set.values[c] = ExactSweep(m.ior.n(c), m.ior.k(c));
    return set;
}

void PrintCurvesReport(const std::vector<CurveSet>& sets, Reference reference) {
    if (reference != Reference::kExact) {
        std::printf("map's closed form against %s\n", sets.front().reference.c_str());
    }
    std::printf("%-16s %-6s %10s %10s %12s %10s\n", "metal", "chan", "n", "k", "largest diff",
                "at angle");
    for (const CurveSet& set : sets) {
        const Material& m = set.material;
        for (std::size_t c = 0; c < 3; ++c) {
            const float n = m.ior.n(c), k = m.ior.k(c);
            const Deviation d = DeviationFrom(n, k, set.values[c]);
            std::printf("%-16s %-6s %10s %10s %12.4f %6.1f deg\n", m.name.c_str(), kChannelNames[c],
                        ShortestText(n).c_str(), ShortestText(k).c_str(), d.largest, d.degrees);
            if (reference == Reference::kExact && d.largest > kClosedFormBound) {
                WarnBeyondBound(m, c, d);
            }
        }
    }
}

}  // namespace veltrane::tools
