// The preview of the ten presets as `veltrane preview --preset all` renders it: one texture
// map per metal through the loaded module, EvalColor from the render threads. Wall-clock
// time, since the work is spread over threads; the picture's drawing and PNG are left out.
#include "bench/preview_bench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

struct Render {
    double seconds;
    std::uint64_t samples;
};

Render TimedRender(int threads) {
    const auto start = std::chrono::steady_clock::now();
    const tools::SlotPixels pixels =
        tools::RenderSlots(Maps().Views(), kSlotSize, tools::SlotShading::kMap, threads);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), pixels.samples};
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
    std::uint64_t samples = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (int t = 0; t < 2; ++t) {
            const Render r = TimedRender(t + 1);
            best[t] = std::min(best[t], r.seconds);
            samples = r.samples;
        }
    }
    const double one = static_cast<double>(samples) / best[0];
    const double two = static_cast<double>(samples) / best[1];
    std::printf(
        "\npreview render of the ten presets at %d px (%llu samples), best of %d "
        "interleaved rounds (wall time):\n",
        kSlotSize, static_cast<unsigned long long>(samples), kRounds);
    std::printf("  1 render thread   %6.2f M samples/s\n", one / 1e6);
    std::printf("  2 render threads  %6.2f M samples/s  ratio %.2f (target >= 1.8)\n", two / 1e6,
                two / one);
}

}  // namespace veltrane::bench
