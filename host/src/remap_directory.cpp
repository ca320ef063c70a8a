#include "remap_directory.h"

#include "not_modelled.h"

namespace standin {

RefTargetHandle RemapDirectory::FindMapping(RefTargetHandle from) {
    auto it = map_.find(from);
    return it == map_.end() ? nullptr : it->second;
}

void RemapDirectory::AddEntry(RefTargetHandle hfrom, RefTargetHandle hto) {
    map_[hfrom] = hto;
}

void RemapDirectory::PatchPointer(RefTargetHandle*, RefTargetHandle) {
    NotModelled("RemapDir::PatchPointer");
}

void RemapDirectory::AddPostPatchProc(PostPatchProc*, bool) {
    NotModelled("RemapDir::AddPostPatchProc");
}

void RemapDirectory::DeleteThis() {
    delete this;
}

}  // namespace standin

RemapDir* NewRemapDir(BOOL use_A_WORK2_flag) {
    (void)use_A_WORK2_flag;  // a flag of the host's node marking, which the stand-in lacks
    return new standin::RemapDirectory();
}

ReferenceTarget* CloneRefHierarchy(ReferenceTarget* rm) {
    RemapDir* remap = NewRemapDir();
    ReferenceTarget* copy = remap->CloneRef(rm);
    remap->Backpatch();
    remap->DeleteThis();
    return copy;
}
