// Stand-in: read access to the animation keys of a parameter block's values, which the host
// keeps in controllers that the plug-in never sees.
#pragma once

#include <vector>

#include <iparamb2.h>

namespace standin {

// The times of the keys of parameter `id`, in increasing order; empty for an unanimated
// parameter, an unknown ID or a block the stand-in did not make.
STANDIN_EXPORT std::vector<TimeValue> KeyTimes(IParamBlock2& block, ParamID id);

}  // namespace standin
