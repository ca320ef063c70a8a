#include <standin/remap_directory.h>

namespace standin {

RemapDirectory::~RemapDirectory() {
    ClearBackpatch();
}

RefTargetHandle RemapDirectory::FindMapping(RefTargetHandle from) {
    auto it = map_.find(from);
    return it == map_.end() ? nullptr : it->second;
}

void RemapDirectory::AddEntry(RefTargetHandle hfrom, RefTargetHandle hto) {
    map_[hfrom] = hto;
}

void RemapDirectory::PatchPointer(RefTargetHandle* patchThis, RefTargetHandle oldTarg) {
    if (!patchThis) return;
    if (RefTargetHandle to = FindMapping(oldTarg)) {
        *patchThis = to;
    } else {
        patches_.emplace_back(patchThis, oldTarg);
    }
}

void RemapDirectory::AddPostPatchProc(PostPatchProc* proc, bool toDelete) {
    if (proc) procs_.emplace_back(proc, toDelete);
}

void RemapDirectory::Backpatch() {
    // Pointers whose original was never cloned keep pointing at the original.
    for (auto& [where, from] : patches_) {
        if (RefTargetHandle to = FindMapping(from)) *where = to;
    }
    patches_.clear();
    auto procs = std::move(procs_);
    procs_.clear();
    for (auto& [proc, toDelete] : procs) {
        proc->Proc(*this);
        if (toDelete) delete proc;
    }
}

bool RemapDirectory::BackpatchPending() {
    return !patches_.empty() || !procs_.empty();
}

void RemapDirectory::Clear() {
    map_.clear();
    ClearBackpatch();
}

void RemapDirectory::ClearBackpatch() {
    patches_.clear();
    for (auto& [proc, toDelete] : procs_) {
        if (toDelete) delete proc;
    }
    procs_.clear();
}

void RemapDirectory::DeleteThis() {
    delete this;
}

}  // namespace standin
