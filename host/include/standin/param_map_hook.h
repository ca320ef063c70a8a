// Stand-in: the hook through which the material editor registers the parameter maps of an
// open rollout, so that IParamBlock2::GetMap, ClassDesc2::GetParamMap and InvalidateUI find
// them. The maps stay owned by the caller.
#pragma once

#include <iparamb2.h>

namespace standin {

// Registers `map` (with its own GetMapID()) for `block`, whose descriptor must belong to a
// ClassDesc2. A block or map attached twice is kept once.
STANDIN_EXPORT void AttachParamMap(IParamBlock2& block, IParamMap2& map);
// Undoes AttachParamMap; a map that is not attached is ignored.
STANDIN_EXPORT void DetachParamMap(IParamBlock2& block, IParamMap2& map);

}  // namespace standin
