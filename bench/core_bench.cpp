// Cost of one shading sample: the conductor reflectance alone, and the whole evaluation at
// neutral and at adjusted colour settings, over the ten presets and a realistic spread of
// facing values. Prints the evaluation / reflectance ratios at the end.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/evaluation.h"
#include "core/fresnel.h"
#include "core/presets.h"

namespace veltrane {
namespace {

constexpr int kSamples = 4096;

struct Sample {
    Point3 n;
    Point3 v;
    float mu;
    const ComplexIOR* ior;
};

// Facing values as the pixels of a sphere see them: the projected area makes mu = |N.V|
// distributed with density 2 mu, so mu = sqrt(u). Presets rotate from sample to sample.
const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = [] {
        std::mt19937 rng(42);
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        std::vector<Sample> s;
        for (int i = 0; i < kSamples; ++i) {
            const float mu = std::sqrt(unit(rng));
            const float side = std::sqrt(1.0f - mu * mu);
            const float phi = 6.2831853f * unit(rng);
            const Point3 v = {side * std::cos(phi), side * std::sin(phi), -mu};
            const auto& preset = kMetalPresets[static_cast<std::size_t>(i) * kMetalPresets.size() / kSamples];
            s.push_back({{0.0f, 0.0f, 1.0f}, v, mu, &preset.ior});
        }
        return s;
    }();
    return samples;
}

void SetPerSample(benchmark::State& state) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSamples);
}

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

// Console output as usual, and the per-sample times kept for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                // CPU time, the best of the repetitions: the machine is shared, and wall time
                // and the slower repetitions count the neighbours.
                const std::string name = run.run_name.function_name;
                const double ns = run.GetAdjustedCPUTime() / kSamples;
                const auto it = nsPerSample.find(name);
                if (it == nsPerSample.end() || ns < it->second) nsPerSample[name] = ns;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nsPerSample;
};

}  // namespace
}  // namespace veltrane

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    veltrane::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto& ns = reporter.nsPerSample;
    const auto fresnel = ns.find("BM_FresnelConductorColor");
    if (fresnel == ns.end() || fresnel->second <= 0) return 0;
    std::printf("\nper sample, relative to FresnelConductorColor (%.2f ns):\n", fresnel->second);
    for (const auto& [name, target] :
         {std::pair{"BM_EvalReflectanceNeutral", 2.5}, {"BM_EvalReflectanceAdjusted", 4.0}}) {
        const auto it = ns.find(name);
        if (it == ns.end()) continue;
        std::printf("  %-28s %7.2f ns  ratio %.2f  (target <= %.1f)\n", name, it->second,
                    it->second / fresnel->second, target);
    }
    return 0;
}
