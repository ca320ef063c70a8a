// The preview of the ten presets as `veltrane preview --preset all` renders it: one texture
// map per metal through the loaded module, EvalColor from the render threads. Wall-clock
// time, since the work is spread over threads; the picture's drawing and PNG are left out.
#include "bench/preview_bench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "core/presets.h"
#include "tools/veltrane/plugin_evaluator.h"
#include "tools/veltrane/preview_render.h"

namespace veltrane::bench {
namespace {

constexpr int kSlotSize = 128;

class PresetMaps {
  public:
    PresetMaps() {
        for (int i = kPresetFirstMetal; i <= kPresetLastMetal; ++i) {
            std::string error;
            maps_.push_back(tools::PluginTexmap::Open(VELTRANE_MODULE, &error));
            if (!maps_.back()) {
                std::fprintf(stderr, "%s\n", error.c_str());
                std::exit(1);
            }
            maps_.back()->SelectPreset(i);
            maps_.back()->Update();
            views_.push_back(maps_.back().get());
        }
    }
    const std::vector<const tools::PluginTexmap*>& Views() const { return views_; }

  private:
    std::vector<std::unique_ptr<tools::PluginTexmap>> maps_;
    std::vector<const tools::PluginTexmap*> views_;
};

const PresetMaps& Maps() {
    static const PresetMaps maps;
    return maps;
}

// CPU time of every thread of the process, in seconds.
double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Render {
    double seconds;     // wall time
    double cpuSeconds;  // of all threads: more on two threads than on one for what they share
    std::uint64_t samples;
};

Render TimedRender(int threads) {
    const double cpuStart = ProcessCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const tools::SlotPixels pixels =
        tools::RenderSlots(Maps().Views(), kSlotSize, tools::SlotShading::kMap, threads);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), ProcessCpuSeconds() - cpuStart, pixels.samples};
}

}  // namespace

void RegisterPreviewBenchmarks() {
    for (const int threads : {1, 2}) {
        benchmark::RegisterBenchmark("BM_PreviewRender",
                                     [threads](benchmark::State& state) {
                                         std::uint64_t samples = 0;
                                         for (auto _ : state)
                                             samples += TimedRender(threads).samples;
                                         state.counters["samples/s"] =
                                             benchmark::Counter(static_cast<double>(samples),
                                                                benchmark::Counter::kIsRate);
                                     })
            ->Arg(threads)
            ->ArgName("threads")
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
}

// Renders on one and on two threads taken in turn, the best of many rounds each: the
// neighbours' load drifts between runs but hardly within one round.
void PrintPreviewScaling() {
    constexpr int kRounds = 150;
    double best[2] = {1e30, 1e30};
    double bestCpu[2] = {1e30, 1e30};
    std::uint64_t samples = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (int t = 0; t < 2; ++t) {
            const Render r = TimedRender(t + 1);
            best[t] = std::min(best[t], r.seconds);
            bestCpu[t] = std::min(bestCpu[t], r.cpuSeconds);
            samples = r.samples;
        }
    }
    const double one = static_cast<double>(samples) / best[0];
    const double two = static_cast<double>(samples) / best[1];
    std::printf(
        "\npreview render of the ten presets at %d px (%llu samples), best of %d "
        "interleaved rounds (wall time; CPU time of all threads):\n",
        kSlotSize, static_cast<unsigned long long>(samples), kRounds);
    const double n = static_cast<double>(samples);
    std::printf("  1 render thread   %6.2f M samples/s  %6.2f ns CPU per sample\n", one / 1e6,
                bestCpu[0] * 1e9 / n);
    std::printf(
        "  2 render threads  %6.2f M samples/s  %6.2f ns CPU per sample  ratio %.2f "
        "(target >= 1.8)\n",
        two / 1e6, bestCpu[1] * 1e9 / n, two / one);
}

}  // namespace veltrane::bench
