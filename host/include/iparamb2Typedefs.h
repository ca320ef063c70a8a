// Stand-in: the parameter block system's ID types.
#pragma once

#include <windows.h>

typedef short ParamID;
typedef short BlockID;
typedef short MapID;
typedef INT_PTR StringResID;
