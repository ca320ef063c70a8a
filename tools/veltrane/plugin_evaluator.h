// Evaluation through the plug-in module, as a host does it: the class descriptor creates a
// texture map, the parameters are set through its block, Update fills the snapshot on the
// main thread, and render threads call EvalColor, each with its own shading context.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "core/complex_ior.h"
#include "tools/veltrane/sample.h"

class IParamBlock2;
class Texmap;

namespace standin {
class Module;
}

namespace veltrane::tools {

/// One texture map of the module's first class, with the module kept loaded while it lives.
class PluginTexmap {
  public:
    /// Loads the module (loads are counted, so several maps may share it) and creates one
    /// texture map; null with a one-line reason in *error when the module cannot be loaded
    /// or creates no texture map with a parameter block.
    static std::unique_ptr<PluginTexmap> Open(const std::string& modulePath, std::string* error);
    ~PluginTexmap();
    PluginTexmap(const PluginTexmap&) = delete;
    PluginTexmap& operator=(const PluginTexmap&) = delete;

    /// Chooses a metal as the user does in the preset list: the map writes the six n/k values
    /// itself. 0 is Custom.
    void SelectPreset(int index);
    /// Custom: preset 0, then the six n/k values.
    void SetCustomIor(const ComplexIOR& ior);
    /// Sets a float parameter at time 0 through the block; writes of an unchanged value are
    /// skipped, so a stream of similar samples costs few notifications.
    void SetParam(int id, float value);
    /// The range the block's descriptor declares for float parameter id (what the rollout's
    /// spinner allows).
    std::pair<float, float> ParamRange(int id) const;

    /// The host's Update at time 0. Main thread only, before any EvalColor.
    void Update();
    /// EvalColor on a fresh shading context holding normal and view. Safe from many threads
    /// at once after Update, as a renderer calls it.
    AColor EvalColor(const Point3& normal, const Point3& view) const;

  private:
    PluginTexmap() = default;

    std::unique_ptr<standin::Module> module;
    Texmap* texmap = nullptr;
    IParamBlock2* block = nullptr;
    // Values last written to the block, by parameter ID 1 to 9.
    unsigned int written[10] = {};
    bool everWritten[10] = {};
};

/// Samples of `veltrane eval` through one texture map: N = (0, 0, 1), V = (0, 0, -mu).
class PluginEvaluator final : public SampleEvaluator {
  public:
    static std::unique_ptr<PluginEvaluator> Open(const std::string& modulePath, std::string* error);

    AColor Evaluate(const SampleInput& sample) override;

  private:
    explicit PluginEvaluator(std::unique_ptr<PluginTexmap> m) : map(std::move(m)) {}
    std::unique_ptr<PluginTexmap> map;
};

}  // namespace veltrane::tools
