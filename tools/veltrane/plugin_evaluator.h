// Evaluation through the plug-in module, as a host does it: the class descriptor creates a
// texture map, the parameters are set through its block, Update fills the snapshot, and
// EvalColor shades a sample of a stand-in shading context.
#pragma once

#include <memory>
#include <string>

#include "tools/veltrane/sample.h"

class IParamBlock2;
class Texmap;

namespace standin {
class Module;
}

namespace veltrane::tools {

class PluginEvaluator final : public SampleEvaluator {
public:
    /// Loads the module and creates one texture map; null with a one-line reason in *error
    /// when the module cannot be loaded or creates no texture map.
    static std::unique_ptr<PluginEvaluator> Open(const std::string& modulePath,
                                                 std::string* error);
    ~PluginEvaluator() override;

    AColor Evaluate(const SampleInput& sample) override;

private:
    PluginEvaluator() = default;
    void SetParam(int id, float value);

    std::unique_ptr<standin::Module> module;
    Texmap* texmap = nullptr;
    IParamBlock2* block = nullptr;
    // Values last written to the block, by parameter ID 1 to 9: a write is skipped when the
    // bits are unchanged, so a stream of similar samples costs few notifications.
    unsigned int written[10] = {};
    bool everWritten[10] = {};
};

}  // namespace veltrane::tools
