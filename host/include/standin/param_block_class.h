// Stand-in: the class descriptor of the host's parameter blocks, through which a scene file
// recreates a stored block (which then finds its block descriptor while loading).
#pragma once

#include "../plugapi.h"
#include "exports.h"

namespace standin {

// Registered in ClassDirectory::Host() when the host library loads; a directory of one's own
// needs it registered explicitly.
STANDIN_EXPORT ClassDesc* ParamBlock2ClassDesc();

}  // namespace standin
