// Stand-in: a concrete RemapDir for one clone operation, as the host creates it around a
// Clone: originals map to copies, and pointers or procedures wait for Backpatch().
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "../ref.h"
#include "exports.h"

namespace standin {

class STANDIN_EXPORT RemapDirectory : public RemapDir {
public:
    RemapDirectory() = default;
    ~RemapDirectory() override;
    RemapDirectory(const RemapDirectory&) = delete;
    RemapDirectory& operator=(const RemapDirectory&) = delete;

    RefTargetHandle FindMapping(RefTargetHandle from) override;
    void AddEntry(RefTargetHandle hfrom, RefTargetHandle hto) override;
    // Patches at once if `oldTarg` is mapped already, else at Backpatch().
    void PatchPointer(RefTargetHandle* patchThis, RefTargetHandle oldTarg) override;
    // Runs at Backpatch(), after the pointers; deleted afterwards when `toDelete`.
    void AddPostPatchProc(PostPatchProc* proc, bool toDelete) override;
    void Backpatch() override;
    bool BackpatchPending() override;
    void Clear() override;
    void ClearBackpatch() override;
    // For a directory allocated with new.
    void DeleteThis() override;

    int NumEntries() const { return static_cast<int>(map_.size()); }

private:
    std::map<RefTargetHandle, RefTargetHandle> map_;
    std::vector<std::pair<RefTargetHandle*, RefTargetHandle>> patches_;
    std::vector<std::pair<PostPatchProc*, bool>> procs_;
};

}  // namespace standin
