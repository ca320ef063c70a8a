// Cost of one shading sample through the plug-in module, as a render thread pays it:
// Texmap::EvalColor on a shading context, after the host's Update. One texture map per
// metal, as a scene would hold them, so that the samples match the core benchmarks'.
#include <benchmark/benchmark.h>

#include <imtl.h>
#include <iparamb2.h>
#include <standin/module_loader.h>
#include <standin/simple_shade_context.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/samples.h"

namespace veltrane::bench {
namespace {

enum : ParamID { kPreset = 0, kGamma = 7, kHue = 8, kSat = 9 };

// The loaded module and one texture map per preset, for the whole run.
class LoadedTexmaps {
public:
    LoadedTexmaps() {
        std::string error;
        module = standin::Module::Load(VELTRANE_MODULE, &error);
        if (!module) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(1);
        }
        for (std::size_t i = 0; i < maps.size(); ++i) {
            maps[i] = static_cast<Texmap*>(module->LibClassDesc(0)->Create(FALSE));
            maps[i]->GetParamBlock(0)->SetValue(kPreset, 0, kMetalPresets[i].index, 0);
        }
    }
    ~LoadedTexmaps() {
        for (Texmap* map : maps) map->DeleteThis();
    }

    // Sets the colour controls of every map and updates it, as the host does before a render.
    void Prepare(float hue, float sat, float gamma) {
        for (Texmap* map : maps) {
            IParamBlock2* block = map->GetParamBlock(0);
            block->SetValue(kGamma, 0, gamma, 0);
            block->SetValue(kHue, 0, hue, 0);
            block->SetValue(kSat, 0, sat, 0);
            ::Interval valid(TIME_NegInfinity, TIME_PosInfinity);  // FOREVER
            map->Update(0, valid);
        }
    }

    Texmap* MapOf(const ComplexIOR* ior) const {
        for (std::size_t i = 0; i < maps.size(); ++i) {
            if (&kMetalPresets[i].ior == ior) return maps[i];
        }
        return maps[0];
    }

private:
    std::unique_ptr<standin::Module> module;
    std::array<Texmap*, 10> maps{};
};

LoadedTexmaps& Loaded() {
    static LoadedTexmaps loaded;
    return loaded;
}

void EvalColorWith(benchmark::State& state, float hue, float sat, float gamma) {
    LoadedTexmaps& loaded = Loaded();
    loaded.Prepare(hue, sat, gamma);
    struct Job {
        Texmap* map;
        ::Point3 n, v;
    };
    std::vector<Job> jobs;
    for (const Sample& s : Samples()) {
        jobs.push_back({loaded.MapOf(s.ior), ::Point3(s.n.x, s.n.y, s.n.z),
                        ::Point3(s.v.x, s.v.y, s.v.z)});
    }
    standin::SimpleShadeContext sc(::Point3(0.0f, 0.0f, 1.0f), ::Point3(0.0f, 0.0f, -1.0f));
    for (auto _ : state) {
        for (const Job& job : jobs) {
            sc.SetShadingNormal(job.n);
            sc.SetView(job.v);
            benchmark::DoNotOptimize(job.map->EvalColor(sc));
        }
    }
    SetPerSample(state);
}

void BM_EvalColorViaPluginNeutral(benchmark::State& state) { EvalColorWith(state, 0, 0, 1); }
void BM_EvalColorViaPluginAdjusted(benchmark::State& state) {
    EvalColorWith(state, 20, 10, 2.2f);
}

BENCHMARK(BM_EvalColorViaPluginNeutral)->Repetitions(10)->MinTime(0.05);
BENCHMARK(BM_EvalColorViaPluginAdjusted)->Repetitions(10)->MinTime(0.05);

}  // namespace
}  // namespace veltrane::bench
