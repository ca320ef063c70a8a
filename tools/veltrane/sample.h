// One evaluation as the tool describes it: a metal, a facing value and the colour controls.
#pragma once

#include "core/complex_ior.h"
#include "core/types.h"

namespace veltrane::tools {

struct SampleInput {
    ComplexIOR ior;
    float mu = 1.0f;  // facing value; the sample is N = (0, 0, 1), V = (0, 0, -mu)
    float hue = 0.0f;
    float sat = 0.0f;
    float gamma = 1.0f;
};

/// Evaluates samples: directly with the shading core, or through the plug-in module.
class SampleEvaluator {
  public:
    virtual ~SampleEvaluator() = default;
    virtual AColor Evaluate(const SampleInput& sample) = 0;
};

/// EvalReflectance of the shading core.
class CoreEvaluator final : public SampleEvaluator {
  public:
    AColor Evaluate(const SampleInput& sample) override;
};

}  // namespace veltrane::tools
