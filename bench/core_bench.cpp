// Cost of one shading sample in the core: the conductor reflectance alone, and the whole
// evaluation at neutral and at adjusted colour settings.
#include <benchmark/benchmark.h>

#include "bench/passes.h"
#include "bench/samples.h"
#include "core/evaluation.h"
#include "core/fresnel.h"

namespace veltrane::bench {
namespace {

void EvalPass(float hue, float sat, float gamma) {
    ParamSnapshot p;
    p.hue = hue;
    p.sat = sat;
    p.gamma = gamma;
    for (const Sample& s : Samples()) {
        p.ior = *s.ior;
        benchmark::DoNotOptimize(EvalReflectance(s.n, s.v, p));
    }
}

void BM_FresnelConductorColor(benchmark::State& state) {
    for (auto _ : state) FresnelPass();
    SetPerSample(state);
}
void BM_EvalReflectanceNeutral(benchmark::State& state) {
    for (auto _ : state) NeutralPass();
    SetPerSample(state);
}
void BM_EvalReflectanceAdjusted(benchmark::State& state) {
    for (auto _ : state) AdjustedPass();
    SetPerSample(state);
}

BENCHMARK(BM_FresnelConductorColor);
BENCHMARK(BM_EvalReflectanceNeutral);
BENCHMARK(BM_EvalReflectanceAdjusted);

}  // namespace

void FresnelPass() {
    for (const Sample& s : Samples()) benchmark::DoNotOptimize(FresnelConductorColor(s.mu, *s.ior));
}
void NeutralPass() { EvalPass(0.0f, 0.0f, 1.0f); }
void AdjustedPass() { EvalPass(20.0f, 10.0f, 2.2f); }

}  // namespace veltrane::bench
