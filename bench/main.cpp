// Runs the benchmarks, then prints the per-sample ratios of one run: the evaluation against
// the bare reflectance, the plug-in's EvalColor against the core's evaluation, EvalColor
// and the preview's throughput on two render threads against one.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iterator>

#include "bench/passes.h"
#include "bench/preview_bench.h"
#include "bench/render_threads_bench.h"
#include "bench/samples.h"

namespace veltrane::bench {
namespace {

// Thread CPU time of one pass, in ns per sample.
double PassTime(void (*pass)()) {
    timespec start{}, stop{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    pass();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &stop);
    const double ns = static_cast<double>(stop.tv_sec - start.tv_sec) * 1e9 +
                      static_cast<double>(stop.tv_nsec - start.tv_nsec);
    return ns / kSamples;
}

// The kernels, each a Google Benchmark case and a line of the ratio report, in the order
// both run. A ratio is taken against the kernel at index reference, if any.
struct Kernel {
    const char* benchmark;
    const char* name;
    void (*pass)();
    int reference;
    const char* referenceName;
    double target;
};
constexpr int kNoReference = -1;
constexpr Kernel kKernels[] = {
    {"BM_FresnelConductorColor", "FresnelConductorColor", FresnelPass, kNoReference, "", 0.0},
    {"BM_EvalReflectanceNeutral", "EvalReflectance, neutral", NeutralPass, 0, "the reflectance",
     2.5},
    {"BM_EvalReflectanceAdjusted", "EvalReflectance, adjusted", AdjustedPass, 0, "the reflectance",
     4.0},
    {"BM_EvalColorViaPluginNeutral", "EvalColor via plug-in, neutral", PluginNeutralPass, 1,
     "EvalReflectance", 1.3},
    {"BM_EvalColorViaPluginAdjusted", "EvalColor via plug-in, adjusted", PluginAdjustedPass, 2,
     "EvalReflectance", 1.3},
};
constexpr std::size_t kNumKernels = sizeof kKernels / sizeof kKernels[0];

void RegisterBenchmarks() {
    for (const Kernel& k : kKernels) {
        benchmark::RegisterBenchmark(k.benchmark, [pass = k.pass](benchmark::State& state) {
            for (auto _ : state) pass();
            SetPerSample(state);
        });
    }
}

// The ratios come from passes of the kernels taken in turn, the best of many rounds each:
// on a shared machine the neighbours' load drifts between benchmarks run one after the
// other, but hardly within one round.
void PrintRatios() {
    constexpr int kRounds = 300;
    double best[kNumKernels];
    std::fill(std::begin(best), std::end(best), 1e30);
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t i = 0; i < kNumKernels; ++i) {
            best[i] = std::min(best[i], PassTime(kKernels[i].pass));
        }
    }
    std::printf("\nper sample, best of %d interleaved rounds of %d samples (CPU time):\n", kRounds,
                kSamples);
    for (std::size_t i = 0; i < kNumKernels; ++i) {
        const Kernel& k = kKernels[i];
        if (k.reference == kNoReference) {
            std::printf("  %-32s %6.2f ns\n", k.name, best[i]);
        } else {
            std::printf("  %-32s %6.2f ns  ratio %.2f to %s (target <= %.1f)\n", k.name, best[i],
                        best[i] / best[k.reference], k.referenceName, k.target);
        }
    }
}

}  // namespace
}  // namespace veltrane::bench

int main(int argc, char** argv) {
    veltrane::bench::RegisterBenchmarks();
    veltrane::bench::RegisterRenderThreadBenchmarks();
    veltrane::bench::RegisterPreviewBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    veltrane::bench::PrintRatios();
    veltrane::bench::PrintRenderThreadScaling();
    veltrane::bench::PrintPreviewScaling();
    return 0;
}
