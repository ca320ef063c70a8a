// One sample evaluated with the shading core, as the plug-in would evaluate it.
#include "tools/veltrane/sample.h"

#include "core/evaluation.h"

namespace veltrane::tools {

AColor CoreEvaluator::Evaluate(const SampleInput& sample) {
    ParamSnapshot params;
    params.ior = sample.ior;
    params.hue = sample.hue;
    params.sat = sample.sat;
    params.gamma = sample.gamma;
    return EvalReflectance({0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, -sample.mu}, params);
}

}  // namespace veltrane::tools
