// Cost of one shading sample in the core: the conductor reflectance alone, and the whole
// evaluation at neutral and at adjusted colour settings.
#include <benchmark/benchmark.h>

#include "bench/samples.h"
#include "core/evaluation.h"
#include "core/fresnel.h"

namespace veltrane::bench {
namespace {

void BM_FresnelConductorColor(benchmark::State& state) {
    const auto& samples = Samples();
    for (auto _ : state) {
        for (const Sample& s : samples) benchmark::DoNotOptimize(FresnelConductorColor(s.mu, *s.ior));
    }
    SetPerSample(state);
}

void EvalReflectanceWith(benchmark::State& state, float hue, float sat, float gamma) {
    const auto& samples = Samples();
    ParamSnapshot p;
    p.hue = hue;
    p.sat = sat;
    p.gamma = gamma;
    for (auto _ : state) {
        for (const Sample& s : samples) {
            p.ior = *s.ior;
            benchmark::DoNotOptimize(EvalReflectance(s.n, s.v, p));
        }
    }
    SetPerSample(state);
}

void BM_EvalReflectanceNeutral(benchmark::State& state) { EvalReflectanceWith(state, 0, 0, 1); }
void BM_EvalReflectanceAdjusted(benchmark::State& state) {
    EvalReflectanceWith(state, 20, 10, 2.2f);
}

BENCHMARK(BM_FresnelConductorColor)->Repetitions(10)->MinTime(0.05);
BENCHMARK(BM_EvalReflectanceNeutral)->Repetitions(10)->MinTime(0.05);
BENCHMARK(BM_EvalReflectanceAdjusted)->Repetitions(10)->MinTime(0.05);

}  // namespace
}  // namespace veltrane::bench
