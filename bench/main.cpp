// Runs the benchmarks and prints the per-sample ratios of one run: evaluation against the
// bare reflectance, and the plug-in's EvalColor against the core's evaluation.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/samples.h"

namespace veltrane::bench {
namespace {

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

void PrintRatio(const std::map<std::string, double>& ns, const char* name, const char* base,
                double target) {
    const auto it = ns.find(name);
    const auto reference = ns.find(base);
    if (it == ns.end() || reference == ns.end() || reference->second <= 0) return;
    std::printf("  %-30s %7.2f ns  / %-28s ratio %.2f  (target <= %.1f)\n", name, it->second,
                base, it->second / reference->second, target);
}

}  // namespace
}  // namespace veltrane::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    veltrane::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    using veltrane::bench::PrintRatio;
    const auto& ns = reporter.nsPerSample;
    std::printf("\nper sample, best of the repetitions (CPU time):\n");
    PrintRatio(ns, "BM_EvalReflectanceNeutral", "BM_FresnelConductorColor", 2.5);
    PrintRatio(ns, "BM_EvalReflectanceAdjusted", "BM_FresnelConductorColor", 4.0);
    PrintRatio(ns, "BM_EvalColorViaPluginNeutral", "BM_EvalReflectanceNeutral", 1.3);
    PrintRatio(ns, "BM_EvalColorViaPluginAdjusted", "BM_EvalReflectanceAdjusted", 1.3);
    return 0;
}
