// Cloning a reference hierarchy: RemapDir's own CloneRef, the stand-in's remap directory
// behind NewRemapDir, and CloneRefHierarchy, which runs one clone through it.
#include "remap_directory.h"

#include "fatal_stops.h"

// Each original is cloned once, however many makers reference it.
RefTargetHandle RemapDir::CloneRef(RefTargetHandle oldTarg) {
    if (!oldTarg) return nullptr;
    if (RefTargetHandle done = FindMapping(oldTarg)) return done;
    RefTargetHandle copy = oldTarg->Clone(*this);
    // Clone usually records itself through BaseClone; make sure a second request finds it.
    if (copy && !FindMapping(oldTarg)) AddEntry(oldTarg, copy);
    return copy;
}

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
