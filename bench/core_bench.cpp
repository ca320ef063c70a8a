// Cost of one shading sample in the core: the conductor reflectance alone, and the whole
// evaluation at neutral and at adjusted colour settings.
#include <benchmark/benchmark.h>

#include "bench/passes.h"
#include "bench/samples.h"
#include "core/evaluation.h"
#include "core/fresnel.h"

namespace veltrane::bench {
namespace {

void EvalPass(const ColourSettings& settings) {
    ParamSnapshot p;
    p.hue = settings.hue;
    p.sat = settings.sat;
    p.gamma = settings.gamma;
    for (const Sample& s : Samples()) {
        p.ior = *s.ior;
        benchmark::DoNotOptimize(EvalReflectance(s.n, s.v, p));
    }
}

}  // namespace

void FresnelPass() {
    for (const Sample& s : Samples()) benchmark::DoNotOptimize(FresnelConductorColor(s.mu, *s.ior));
}
void NeutralPass() {
    EvalPass(kNeutral);
}
void AdjustedPass() {
    EvalPass(kAdjusted);
}

}  // namespace veltrane::bench
