// The curves report and its reference curves, shared by the command and the workbench page.
#include "tools/veltrane/curves_report.h"

#include <cstdio>
#include <string>

#include "core/param_store.h"
#include "tools/metals/closed_form_deviation.h"
#include "tools/metals/colour_models.h"
#include "tools/veltrane/channel_rows.h"

namespace veltrane::tools {
namespace {

float Field(const ComplexIOR& ior, std::size_t index) {
    return ior.*kIorParamFields[index].field;
}

void WarnBeyondBound(const Material& m, std::size_t c, const Deviation& d) {
    const float n = Field(m.ior, c), k = Field(m.ior, c + 3);
    std::fprintf(stderr,
                 "veltrane curves: warning: %s %s (n %g, k %g): the closed form is off by %.4f "
                 "at %.1f deg, beyond %g",
                 m.name.c_str(), kChannelNames[c], double{n}, double{k}, d.largest, d.degrees,
                 kClosedFormBound);
    const std::string cause(PoorApproximationCause(n, k));
    std::fprintf(stderr, "%s\n", cause.empty() ? "" : ("; poor where " + cause).c_str());
}

}  // namespace

// The F82-tint curve of each channel of the map's n and k; clipped tints are reported.
CurveSet OpenPbrSet(const Material& m) {
    CurveSet set{m, "OpenPBR F82 tint", {}};
    for (std::size_t c = 0; c < 3; ++c) {
        const F82Channel f82 = F82FromIor(Field(m.ior, c), Field(m.ior, c + 3));
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
    for (std::size_t c = 0; c < 3; ++c)
        set.values[c] = ExactSweep(Field(m.ior, c), Field(m.ior, c + 3));
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
            const float n = Field(m.ior, c), k = Field(m.ior, c + 3);
            const Deviation d = DeviationFrom(n, k, set.values[c]);
            std::printf("%-16s %-6s %10.6g %10.6g %12.4f %6.1f deg\n", m.name.c_str(),
                        kChannelNames[c], double{n}, double{k}, d.largest, d.degrees);
            if (reference == Reference::kExact && d.largest > kClosedFormBound) {
                WarnBeyondBound(m, c, d);
            }
        }
    }
}

}  // namespace veltrane::tools
