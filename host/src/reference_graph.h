// The host's record of the reference graph: what each maker references, slot by slot, and
// which makers depend on each target. Kept beside the objects, not in their virtuals, so that
// it stays usable while an object is being destroyed.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include <ref.h>

namespace standin {

struct RefNode {
    std::vector<ReferenceTarget*> refs;       // slot -> target, as set through ReplaceReference
    std::vector<ReferenceMaker*> dependents;  // one entry per slot that references this target
    // Set once the object's deletion has begun (DeleteMe, or its destructor): it hears no more
    // notifications, and it is not deleted a second time. Only DeleteMe calls its code after
    // that, to clear its own references before it frees it.
    bool dying = false;
};

// Whether `maker` is among `makers`, such as the dependents of a target.
inline bool Contains(const std::vector<ReferenceMaker*>& makers, const ReferenceMaker* maker) {
    return std::find(makers.begin(), makers.end(), maker) != makers.end();
}

// The one friend of ReferenceMaker/ReferenceTarget: reaches their protected hooks and records.
class ReferenceGraph {
  public:
    static RefNode& Node(ReferenceMaker* maker) { return *maker->node_; }
    static std::shared_ptr<RefNode> Share(ReferenceMaker* maker) { return maker->node_; }

    static RefResult Notify(ReferenceMaker* maker, const Interval& changeInt,
                            RefTargetHandle hTarget, PartID& partID, RefMessage message,
                            BOOL propagate) {
        return maker->NotifyRefChanged(changeInt, hTarget, partID, message, propagate);
    }
    static void Set(ReferenceMaker* maker, int i, RefTargetHandle target) {
        maker->SetReference(i, target);
    }

    // True if `maker` reaches `target` through recorded references (itself included).
    static bool Reaches(ReferenceMaker* maker, const ReferenceMaker* target);
    // Removes one dependent entry of `maker` from `target`; deletes the target when none is
    // left, `deleteOrphan` is set and its destruction has not begun already.
    static void Release(ReferenceTarget* target, ReferenceMaker* maker, bool deleteOrphan);
    // Drops everything `maker` references, without calling its virtuals.
    static void DropReferences(ReferenceMaker* maker);
    // Clears every reference of a living `maker`, slot by slot through its SetReference, and
    // deletes each target that nothing references any more.
    static void ClearReferences(ReferenceMaker* maker);
    // Tells every dependent that `target` goes away and clears their references to it.
    static void DetachDependents(ReferenceTarget* target);
};

}  // namespace standin
