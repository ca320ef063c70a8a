// Stand-in: references, the host's dependency graph. A ReferenceMaker holds references to
// ReferenceTargets; a target notifies the makers that depend on it when it changes.
#pragma once

#include <memory>

#include <windows.h>
#include "Animatable.h"
#include "channels.h"
#include "interval.h"
#include "maxheap.h"
#include "maxtypes.h"
#include "standin/exports.h"

class ReferenceMaker;
class ReferenceTarget;
class RemapDir;
class ISave;
class ILoad;
class PostPatchProc;

typedef ReferenceTarget* RefTargetHandle;
typedef ReferenceMaker* RefMakerHandle;

typedef ULONG_PTR PartID;
typedef unsigned int RefMessage;

enum RefResult {
    REF_FAIL = 0,
    REF_HALT = 0,
    REF_SUCCEED,
    REF_DONTCARE,
    REF_STOP,
    REF_INVALID,
    REF_AUTO_DELETE
};

enum NotifyDependentsOption { REFNOTIFY_ALLOW_OPTIMIZATIONS, REFNOTIFY_DISALLOW_OPTIMIZATIONS };

#define NOTIFY_ALL 0xfffffff0

// A change of an object's transform (a part of its own, beside the channels); the bit is
// unconfirmed.
#define PART_TM (1 << 24)
// Every part of an object: a typed constant, not a macro, as in the host.
const PartID PART_ALL = static_cast<PartID>(ALL_CHANNELS | PART_TM);

#define REFMSG_LOOPTEST 0x00000010
#define REFMSG_TARGET_DELETED 0x00000020
#define REFMSG_CHANGE 0x00000050
#define REFMSG_BEGIN_EDIT 0x00000090
#define REFMSG_END_EDIT 0x000000A0

namespace standin {
class ReferenceGraph;
struct RefNode;
}  // namespace standin

class STANDIN_EXPORT ReferenceMaker : public Animatable {
    friend class standin::ReferenceGraph;

  protected:
    CoreExport virtual ~ReferenceMaker() = 0;

  public:
    CoreExport ReferenceMaker();

    // Makes reference `which` point at `newtarg` (null clears it). The old target loses this
    // maker as a dependent and, with `delOld`, is deleted once nothing depends on it.
    // REF_FAIL if `newtarg` depends on this maker already (a reference loop).
    CoreExport RefResult ReplaceReference(int which, RefTargetHandle newtarg, BOOL delOld = TRUE);
    // Clears reference `i`, deleting its target once nothing depends on it.
    CoreExport RefResult DeleteReference(int i);
    // Deletes this object the way code outside the host deletes one it made: its dependents
    // hear REFMSG_TARGET_DELETED and lose their references while the object is still whole,
    // then its own references are cleared (deleting targets nothing else references), then
    // DeleteThis() frees it. REF_FAIL, and nothing done, if its deletion is under way already.
    CoreExport RefResult DeleteMe();

    CoreExport virtual int NumRefs();
    CoreExport virtual RefTargetHandle GetReference(int i);

  protected:
    CoreExport virtual void SetReference(int i, RefTargetHandle rtarg);

  public:
    CoreExport virtual IOResult Save(ISave* isave);
    CoreExport virtual IOResult Load(ILoad* iload);

    // A maker without dependents has no one to tell.
    CoreExport virtual RefResult NotifyDependents(
        const Interval& changeInt, PartID partID, RefMessage message, SClass_ID sclass = NOTIFY_ALL,
        BOOL propagate = TRUE, RefTargetHandle hTarg = nullptr,
        NotifyDependentsOption notifyDependentsOption = REFNOTIFY_ALLOW_OPTIMIZATIONS);

    CoreExport void* GetInterface(ULONG id) override;
    CoreExport BaseInterface* GetInterface(Interface_ID id) override;

  protected:
    virtual RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget,
                                       PartID& partID, RefMessage message, BOOL propagate) = 0;

  private:
    // The host's own record of this object's references and dependents, kept apart from the
    // derived class so that it can be cleaned up after the derived part is destroyed.
    std::shared_ptr<standin::RefNode> node_;
};

class STANDIN_EXPORT ReferenceTarget : public ReferenceMaker {
    friend class standin::ReferenceGraph;

  protected:
    CoreExport virtual ~ReferenceTarget() = 0;

  public:
    CoreExport ReferenceTarget();

    // "ReferenceTarget"; classes name themselves.
    CoreExport void GetClassName(MSTR& s, bool localized = true) const override;

    // Deletes this target through DeleteMe() if no reference maker references it; a target
    // that is still referenced stays as it is.
    CoreExport void MaybeAutoDelete();

    // Null: a class that can be copied overrides this.
    CoreExport virtual RefTargetHandle Clone(RemapDir& remap);
    // Records `from` -> `to` in `remap`, so that later references to `from` reach the copy.
    CoreExport virtual void BaseClone(ReferenceTarget* from, ReferenceTarget* to, RemapDir& remap);

    // Delivers the message to every dependent (all, or those of super class `sclass`); those
    // that accept it pass it on to their own dependents when `propagate` is set.
    CoreExport RefResult NotifyDependents(
        const Interval& changeInt, PartID partID, RefMessage message, SClass_ID sclass = NOTIFY_ALL,
        BOOL propagate = TRUE, RefTargetHandle hTarg = nullptr,
        NotifyDependentsOption notifyDependentsOption = REFNOTIFY_ALLOW_OPTIMIZATIONS) override;

    CoreExport void* GetInterface(ULONG id) override;
    CoreExport BaseInterface* GetInterface(Interface_ID id) override;

  private:
    using ReferenceMaker::NotifyRefChanged;
};

class STANDIN_EXPORT PostPatchProc : public MaxHeapOperators {
  public:
    virtual ~PostPatchProc() {}
    virtual int Proc(RemapDir& remap) = 0;
};

// Maps originals to their copies during a clone, so that a target referenced from several
// places is copied once and the copies share it.
class STANDIN_EXPORT RemapDir : public MaxHeapOperators {
  public:
    virtual RefTargetHandle FindMapping(RefTargetHandle from) = 0;
    // The copy of `oldTarg`: the one made earlier in this clone, or a new one from its Clone().
    CoreExport virtual RefTargetHandle CloneRef(RefTargetHandle oldTarg);
    virtual void AddEntry(RefTargetHandle hfrom, RefTargetHandle hto) = 0;
    virtual void PatchPointer(RefTargetHandle* patchThis, RefTargetHandle oldTarg) = 0;
    virtual void AddPostPatchProc(PostPatchProc* proc, bool toDelete) = 0;
    virtual void Backpatch() = 0;
    virtual bool BackpatchPending() = 0;
    virtual void Clear() = 0;
    virtual void ClearBackpatch() = 0;
    virtual void DeleteThis() = 0;
    virtual ~RemapDir() {}
};

// A new remap directory for one clone operation; the caller frees it with its DeleteThis().
CoreExport RemapDir* NewRemapDir(BOOL use_A_WORK2_flag = FALSE);
// Copies `rm` and everything it references (each shared target once) through a remap
// directory of its own.
CoreExport ReferenceTarget* CloneRefHierarchy(ReferenceTarget* rm);
