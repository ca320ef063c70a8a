// A parameter definition's control IDs as a vector, for comparing them in one expectation.
#pragma once

#include <vector>

#include <iparamb2.h>

inline std::vector<int> CtrlIDs(const ParamDef& def) {
    if (!def.ctrl_IDs || def.ctrl_count <= 0) return {};
    return std::vector<int>(def.ctrl_IDs, def.ctrl_IDs + def.ctrl_count);
}
