// The stand-in's ReferenceTarget: telling dependents it is deleted, deletion once nothing
// references it, the default clone, and notification of dependents.
#include <ref.h>

#include <vector>

#include "reference_graph.h"

using standin::Contains;
using standin::ReferenceGraph;

ReferenceTarget::ReferenceTarget() = default;

// Runs before ~ReferenceMaker: dependents hear of the deletion and lose their references
// while this object still owns its own.
ReferenceTarget::~ReferenceTarget() {
    ReferenceGraph::DetachDependents(this);
}

void ReferenceTarget::MaybeAutoDelete() {
    const standin::RefNode& node = ReferenceGraph::Node(this);
    if (node.dependents.empty() && !node.dying) DeleteMe();
}

void ReferenceTarget::GetClassName(MSTR& s, bool localized) const {
    (void)localized;
    s = L"ReferenceTarget";
}

RefTargetHandle ReferenceTarget::Clone(RemapDir& remap) {
    (void)remap;
    return nullptr;
}

void ReferenceTarget::BaseClone(ReferenceTarget* from, ReferenceTarget* to, RemapDir& remap) {
    if (from && to && !remap.FindMapping(from)) remap.AddEntry(from, to);
}

RefResult ReferenceTarget::NotifyDependents(const Interval& changeInt, PartID partID,
                                            RefMessage message, SClass_ID sclass, BOOL propagate,
                                            RefTargetHandle hTarg,
                                            NotifyDependentsOption notifyDependentsOption) {
    (void)notifyDependentsOption;
    // Handlers may add or drop dependents, delete one, or delete this target: work from a copy
    // of the list, skip makers that left it meanwhile, and hold the record alive.
    std::shared_ptr<standin::RefNode> node = ReferenceGraph::Share(this);
    std::vector<ReferenceMaker*> makers;
    for (ReferenceMaker* maker : node->dependents) {
        if (!Contains(makers, maker)) makers.push_back(maker);
    }
    RefTargetHandle sender = hTarg ? hTarg : this;
    for (ReferenceMaker* maker : makers) {
        const auto& current = node->dependents;
        if (!Contains(current, maker)) continue;
        if (ReferenceGraph::Node(maker).dying) continue;
        if (sclass != NOTIFY_ALL && maker->SuperClassID() != sclass) continue;
        PartID part = partID;
        const RefResult result =
            ReferenceGraph::Notify(maker, changeInt, sender, part, message, propagate);
        // A handler that answers REF_STOP (or REF_HALT) keeps the message from its own
        // dependents; the other dependents of this target still get it.
        if (!Contains(current, maker)) continue;
        if (propagate && result != REF_STOP && result != REF_HALT) {
            maker->NotifyDependents(changeInt, part, message, sclass, propagate);
        }
    }
    return REF_SUCCEED;
}

void* ReferenceTarget::GetInterface(ULONG id) {
    return ReferenceMaker::GetInterface(id);
}

BaseInterface* ReferenceTarget::GetInterface(Interface_ID id) {
    return ReferenceMaker::GetInterface(id);
}
