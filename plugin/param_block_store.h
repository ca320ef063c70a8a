// The texture's parameter block seen as the shading core's parameter store, so that a
// preset is written through the block (and its change notifications).
#pragma once

#include <iparamb2.h>

#include "core/param_store.h"

class ParamBlockStore final : public veltrane::ParamStore {
  public:
    explicit ParamBlockStore(IParamBlock2& block) : block_(block) {}

    void SetFloat(int paramId, veltrane::TimeValue t, float value, int tabIndex) override {
        block_.SetValue(static_cast<ParamID>(paramId), t, value, tabIndex);
    }

  private:
    IParamBlock2& block_;
};
