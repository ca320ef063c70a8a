// The host's remap directory for one clone operation (NewRemapDir): originals map to their
// copies, so that a target referenced from several places is copied once. Back-patching
// (PatchPointer, AddPostPatchProc) is not modelled: nothing that runs here uses it.
#pragma once

#include <map>

#include <ref.h>

namespace standin {

class RemapDirectory final : public RemapDir {
  public:
    RefTargetHandle FindMapping(RefTargetHandle from) override;
    void AddEntry(RefTargetHandle hfrom, RefTargetHandle hto) override;
    [[noreturn]] void PatchPointer(RefTargetHandle* patchThis, RefTargetHandle oldTarg) override;
    [[noreturn]] void AddPostPatchProc(PostPatchProc* proc, bool toDelete) override;
    // Nothing is ever pending.
    void Backpatch() override {}
    bool BackpatchPending() override { return false; }
    void Clear() override { map_.clear(); }
    void ClearBackpatch() override {}
    void DeleteThis() override;

  private:
    std::map<RefTargetHandle, RefTargetHandle> map_;
};

}  // namespace standin
