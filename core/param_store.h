// The one operation the shading core needs of the store that holds the texture's parameters.
#pragma once

#include "core/types.h"

namespace veltrane {

/// IDs of the six index-of-refraction parameters in the texture's parameter block.
/// Persisted in scene files: never renumber.
enum IorParamId : int {
    kParamNR = 1,
    kParamNG = 2,
    kParamNB = 3,
    kParamKR = 4,
    kParamKG = 5,
    kParamKB = 6,
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
