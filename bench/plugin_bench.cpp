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
#include <vector>

#include "bench/loaded_module.h"
#include "bench/passes.h"
#include "bench/samples.h"
#include "plugin/param_block.h"

namespace veltrane::bench {
namespace {

using namespace veltrane_params;

// The loaded module and one texture map per preset, for the whole run.
class LoadedTexmaps {
  public:
    LoadedTexmaps() {
        module = LoadModuleOrExit();
        for (std::size_t i = 0; i < maps.size(); ++i) {
            maps[i] = static_cast<Texmap*>(module->LibClassDesc(0)->Create(FALSE));
            maps[i]->GetParamBlock(0)->SetValue(kPreset, 0, kMetalPresets[i].index, 0);
        }
    }
    ~LoadedTexmaps() {
        for (Texmap* map : maps) map->DeleteThis();
    }

    // Sets the colour controls of every map and updates it, as the host does before a render.
    // Settings already in place are not written again, so the snapshots stay valid.
    void Prepare(float hue, float sat, float gamma) {
        for (Texmap* map : maps) {
            IParamBlock2* block = map->GetParamBlock(0);
            if (block->GetFloat(kGamma, 0, 0) != gamma) block->SetValue(kGamma, 0, gamma, 0);
            if (block->GetFloat(kHue, 0, 0) != hue) block->SetValue(kHue, 0, hue, 0);
            if (block->GetFloat(kSat, 0, 0) != sat) block->SetValue(kSat, 0, sat, 0);
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

// A render pass: brings the maps to its settings and updates them, then evaluates every
// sample. Both parts are timed. The update writes and re-reads the block only when the last
// pass left other settings; either way it is ten maps against thousands of samples.
class RenderPass {
  public:
    explicit RenderPass(const ColourSettings& settings) : settings_(settings) {
        for (const Sample& s : Samples()) {
            jobs_.push_back({Loaded().MapOf(s.ior), ::Point3(s.n.x, s.n.y, s.n.z),
                             ::Point3(s.v.x, s.v.y, s.v.z)});
        }
    }

    void Run() {
        Loaded().Prepare(settings_.hue, settings_.sat, settings_.gamma);
        for (const Job& job : jobs_) {
            context_.SetShadingNormal(job.n);
            context_.SetView(job.v);
            benchmark::DoNotOptimize(job.map->EvalColor(context_));
        }
    }

  private:
    struct Job {
        Texmap* map;
        ::Point3 n, v;
    };
    ColourSettings settings_;
    std::vector<Job> jobs_;
    standin::SimpleShadeContext context_{::Point3(0.0f, 0.0f, 1.0f), ::Point3(0.0f, 0.0f, -1.0f)};
};

RenderPass& Neutral() {
    static RenderPass pass(kNeutral);
    return pass;
}
RenderPass& Adjusted() {
    static RenderPass pass(kAdjusted);
    return pass;
}

}  // namespace

void PluginNeutralPass() {
    Neutral().Run();
}
void PluginAdjustedPass() {
    Adjusted().Run();
}

}  // namespace veltrane::bench
