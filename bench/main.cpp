// Runs the benchmarks, then prints the per-sample ratios of one run: the evaluation against
// the bare reflectance, and the plug-in's EvalColor against the core's evaluation.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "bench/passes.h"
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

// The ratios come from passes of the kernels taken in turn, the best of many rounds each:
// on a shared machine the neighbours' load drifts between benchmarks run one after the
// other, but hardly within one round.
void PrintRatios() {
    constexpr int kRounds = 300;
    struct Kernel {
        const char* name;
        void (*pass)();
        double best = 1e30;
    };
    Kernel kernels[] = {{"FresnelConductorColor", FresnelPass},
                        {"EvalReflectance, neutral", NeutralPass},
                        {"EvalReflectance, adjusted", AdjustedPass},
                        {"EvalColor via plug-in, neutral", PluginNeutralPass},
                        {"EvalColor via plug-in, adjusted", PluginAdjustedPass}};
    for (int round = 0; round < kRounds; ++round) {
        for (Kernel& k : kernels) k.best = std::min(k.best, PassTime(k.pass));
    }
    const double fresnel = kernels[0].best;
    std::printf("\nper sample, best of %d interleaved rounds of %d samples (CPU time):\n", kRounds,
                kSamples);
    std::printf("  %-32s %6.2f ns\n", kernels[0].name, fresnel);
    std::printf("  %-32s %6.2f ns  ratio %.2f to the reflectance (target <= 2.5)\n",
                kernels[1].name, kernels[1].best, kernels[1].best / fresnel);
    std::printf("  %-32s %6.2f ns  ratio %.2f to the reflectance (target <= 4.0)\n",
                kernels[2].name, kernels[2].best, kernels[2].best / fresnel);
    std::printf("  %-32s %6.2f ns  ratio %.2f to EvalReflectance (target <= 1.3)\n",
                kernels[3].name, kernels[3].best, kernels[3].best / kernels[1].best);
    std::printf("  %-32s %6.2f ns  ratio %.2f to EvalReflectance (target <= 1.3)\n",
                kernels[4].name, kernels[4].best, kernels[4].best / kernels[2].best);
}

}  // namespace
}  // namespace veltrane::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    veltrane::bench::PrintRatios();
    return 0;
}
