// The one operation the shading core needs of the store that holds the texture's parameters.
#pragma once

#include "core/complex_ior.h"
#include "core/param_ids.h"
#include "core/types.h"

namespace veltrane {

/// Which ComplexIOR field each n/k parameter holds, in parameter order: the order in which
/// a preset writes them.
inline constexpr struct IorParamField {
    ParamId id;
    float ComplexIOR::*field;
} kIorParamFields[6] = {
    {kParamNR, &ComplexIOR::nR}, {kParamNG, &ComplexIOR::nG}, {kParamNB, &ComplexIOR::nB},
    {kParamKR, &ComplexIOR::kR}, {kParamKG, &ComplexIOR::kG}, {kParamKB, &ComplexIOR::kB},
};

/// A writable parameter store. On the host it is the texture's parameter block; tests use
/// a recording store.
class ParamStore {
  public:
    virtual ~ParamStore() = default;
    /// Sets float parameter paramId at time t, element tabIndex of a table parameter.
    virtual void SetFloat(int paramId, TimeValue t, float value, int tabIndex) = 0;
};

}  // namespace veltrane
