// How the stand-in's parameter block stores each parameter type it models.
#pragma once

#include <iparamb2.h>

namespace standin {

enum class ParamStorage { Float, Int, OwnersRef, Unsupported };

inline ParamStorage StorageOf(int type, int flags) {
    switch (type) {
        case TYPE_FLOAT:
            return ParamStorage::Float;
        case TYPE_INT:
        case TYPE_BOOL:
            return ParamStorage::Int;
        case TYPE_REFTARG:
            // A reference target the block would hold itself is not modelled.
            return (flags & P_OWNERS_REF) ? ParamStorage::OwnersRef : ParamStorage::Unsupported;
        default:
            return ParamStorage::Unsupported;
    }
}

inline ParamStorage StorageOf(const ParamDef& def) {
    return StorageOf(def.type, def.flags);
}

// The descriptor of the blocks of owner class (sclass, cid) with block ID `id`, among the
// descriptors alive in the process; null if none.
ParamBlockDesc2* FindParamBlockDesc(SClass_ID sclass, Class_ID cid, BlockID id);

}  // namespace standin
