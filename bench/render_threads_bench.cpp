// EvalColor through the loaded module from one and from two render threads, as a renderer
// calls it from every core: all threads on one texture map, or each thread on a map of its
// own. Every thread has its own shading context and takes every benchmark sample. With
// nothing shared that a sample writes, two threads on one map do twice the work of one
// thread in the same wall time, and as much as two threads on two maps.
#include "bench/render_threads_bench.h"

#include <benchmark/benchmark.h>

#include <imtl.h>
#include <iparamb2.h>
#include <standin/module_loader.h>
#include <standin/simple_shade_context.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/loaded_module.h"
#include "bench/samples.h"
#include "plugin/param_block.h"

namespace veltrane::bench {
namespace {

using namespace veltrane_params;

constexpr int kMaxThreads = 2;
constexpr int kGold = 3;  // preset index

// Which texture map a render thread evaluates.
enum class Sharing { kOneMap, kMapPerThread };

// The loaded module and one texture map per render thread, each gold at the adjusted colour
// settings, so that a sample costs the same on every map.
class ThreadMaps {
  public:
    ThreadMaps() {
        module_ = LoadModuleOrExit();
        for (Texmap*& map : maps_) {
            map = static_cast<Texmap*>(module_->LibClassDesc(0)->Create(FALSE));
            IParamBlock2* block = map->GetParamBlock(0);
            block->SetValue(kPreset, 0, kGold, 0);
            block->SetValue(kGamma, 0, kAdjusted.gamma, 0);
            block->SetValue(kHue, 0, kAdjusted.hue, 0);
            block->SetValue(kSat, 0, kAdjusted.sat, 0);
            ::Interval valid(TIME_NegInfinity, TIME_PosInfinity);  // FOREVER
            map->Update(0, valid);
        }
    }
    ~ThreadMaps() {
        for (Texmap* map : maps_) map->DeleteThis();
    }

    Texmap* MapOf(Sharing sharing, int thread) const {
        return maps_[sharing == Sharing::kOneMap ? 0 : static_cast<std::size_t>(thread)];
    }

  private:
    std::unique_ptr<standin::Module> module_;
    Texmap* maps_[kMaxThreads] = {};
};

const ThreadMaps& Maps() {
    static const ThreadMaps maps;
    return maps;
}

// One pass of a render thread: every benchmark sample through `map`.
void EvalPass(Texmap& map, standin::SimpleShadeContext& sc) {
    for (const Sample& s : Samples()) {
        sc.SetShadingNormal(::Point3(s.n.x, s.n.y, s.n.z));
        sc.SetView(::Point3(s.v.x, s.v.y, s.v.z));
        benchmark::DoNotOptimize(map.EvalColor(sc));
    }
}

standin::SimpleShadeContext NewContext() {
    return standin::SimpleShadeContext(::Point3(0.0f, 0.0f, 1.0f), ::Point3(0.0f, 0.0f, -1.0f));
}

void EvalColorThreads(benchmark::State& state, Sharing sharing) {
    Texmap* map = Maps().MapOf(sharing, state.thread_index());
    standin::SimpleShadeContext sc = NewContext();
    for (auto _ : state) EvalPass(*map, sc);
    SetPerSample(state);
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Timing {
    double samplesPerSecond;  // all threads together, over the wall time
    double cpuNsPerSample;    // CPU time of all threads over all samples
};

// `passes` passes on each of `threads` threads. The threads are started first and released
// together, so that the wall time holds only their work, not their creation.
Timing TimedPasses(int threads, Sharing sharing, int passes) {
    using Clock = std::chrono::steady_clock;
    std::atomic<int> ready{0};
    std::atomic<bool> go{false};
    std::vector<Clock::time_point> finished(static_cast<std::size_t>(threads));
    std::vector<double> cpu(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            Texmap* map = Maps().MapOf(sharing, t);
            standin::SimpleShadeContext sc = NewContext();
            ++ready;
            while (!go.load()) std::this_thread::yield();
            const double cpuStart = ThreadCpuSeconds();
            for (int p = 0; p < passes; ++p) EvalPass(*map, sc);
            finished[static_cast<std::size_t>(t)] = Clock::now();
            cpu[static_cast<std::size_t>(t)] = ThreadCpuSeconds() - cpuStart;
        });
    }
    while (ready.load() < threads) std::this_thread::yield();
    const Clock::time_point start = Clock::now();
    go = true;
    for (std::thread& worker : workers) worker.join();
    const std::chrono::duration<double> wall =
        *std::max_element(finished.begin(), finished.end()) - start;
    double cpuTotal = 0.0;
    for (double c : cpu) cpuTotal += c;
    const double samples = static_cast<double>(threads) * passes * kSamples;
    return {samples / wall.count(), cpuTotal * 1e9 / samples};
}

}  // namespace

void RegisterRenderThreadBenchmarks() {
    benchmark::RegisterBenchmark("BM_EvalColorThreads/one_map", EvalColorThreads, Sharing::kOneMap)
        ->Threads(1)
        ->Threads(2)
        ->UseRealTime();
    benchmark::RegisterBenchmark("BM_EvalColorThreads/map_per_thread", EvalColorThreads,
                                 Sharing::kMapPerThread)
        ->Threads(2)
        ->UseRealTime();
}

// The three cases taken in turn, the best of many rounds each: the neighbours' load drifts
// between runs but hardly within one round.
void PrintRenderThreadScaling() {
    constexpr int kRounds = 100;
    constexpr int kPasses = 8;
    struct Case {
        const char* name;
        int threads;
        Sharing sharing;
        Timing best;
    };
    Case cases[] = {
        {"1 thread", 1, Sharing::kOneMap, {0.0, 1e30}},
        {"2 threads, one map", 2, Sharing::kOneMap, {0.0, 1e30}},
        {"2 threads, a map each", 2, Sharing::kMapPerThread, {0.0, 1e30}},
    };
    for (int round = 0; round < kRounds; ++round) {
        for (Case& c : cases) {
            const Timing t = TimedPasses(c.threads, c.sharing, kPasses);
            c.best.samplesPerSecond = std::max(c.best.samplesPerSecond, t.samplesPerSecond);
            c.best.cpuNsPerSample = std::min(c.best.cpuNsPerSample, t.cpuNsPerSample);
        }
    }
    std::printf(
        "\nEvalColor via plug-in on render threads, adjusted, best of %d interleaved rounds of "
        "%d passes per thread:\n",
        kRounds, kPasses);
    for (const Case& c : cases) {
        std::printf("  %-22s %6.2f M samples/s (wall)  %6.2f ns CPU per sample\n", c.name,
                    c.best.samplesPerSecond / 1e6, c.best.cpuNsPerSample);
    }
    const double one = cases[0].best.samplesPerSecond;
    const double shared = cases[1].best.samplesPerSecond;
    const double own = cases[2].best.samplesPerSecond;
    std::printf(
        "  2 threads on one map: %.2f x 1 thread (target >= 1.8), %.3f x a map each "
        "(target 0.95 to 1.05)\n",
        shared / one, shared / own);
}

}  // namespace veltrane::bench
