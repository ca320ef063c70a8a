// The stand-in's ReferenceMaker: reference slots kept in the host's record, and deletion.
#include <ref.h>

#include "reference_graph.h"

using standin::ReferenceGraph;

ReferenceMaker::ReferenceMaker() : node_(std::make_shared<standin::RefNode>()) {}

// The derived part is gone by now: release the references from the host's own record
// without asking the object anything.
ReferenceMaker::~ReferenceMaker() {
    ReferenceGraph::DropReferences(this);
}

RefResult ReferenceMaker::ReplaceReference(int which, RefTargetHandle newtarg, BOOL delOld) {
    if (which < 0 || which >= NumRefs()) return REF_FAIL;
    if (newtarg && ReferenceGraph::Reaches(newtarg, this)) return REF_FAIL;

    std::vector<ReferenceTarget*>& record = node_->refs;
    const auto slot = static_cast<std::size_t>(which);
    if (record.size() <= slot) record.resize(slot + 1, nullptr);
    ReferenceTarget* old = record[slot];
    if (old == newtarg) {
        SetReference(which, newtarg);
        return REF_SUCCEED;
    }

    record[slot] = newtarg;
    if (newtarg) ReferenceGraph::Node(newtarg).dependents.push_back(this);
    SetReference(which, newtarg);
    if (old) ReferenceGraph::Release(old, this, delOld != FALSE);
    return REF_SUCCEED;
}

RefResult ReferenceMaker::DeleteReference(int i) {
    return ReplaceReference(i, nullptr, TRUE);
}

RefResult ReferenceMaker::DeleteMe() {
    if (node_->dying) return REF_FAIL;
    // From here on a released reference never deletes this object, and a dependent's handler
    // that calls DeleteMe again is refused.
    node_->dying = true;
    if (auto* target = dynamic_cast<ReferenceTarget*>(this)) {
        ReferenceGraph::DetachDependents(target);
    }
    ReferenceGraph::ClearReferences(this);
    DeleteThis();
    return REF_SUCCEED;
}

int ReferenceMaker::NumRefs() {
    return 0;
}

RefTargetHandle ReferenceMaker::GetReference(int i) {
    (void)i;
    return nullptr;
}

void ReferenceMaker::SetReference(int i, RefTargetHandle rtarg) {
    (void)i;
    (void)rtarg;
}

IOResult ReferenceMaker::Save(ISave* isave) {
    (void)isave;
    return IO_OK;
}

IOResult ReferenceMaker::Load(ILoad* iload) {
    (void)iload;
    return IO_OK;
}

RefResult ReferenceMaker::NotifyDependents(const Interval& changeInt, PartID partID,
                                           RefMessage message, SClass_ID sclass, BOOL propagate,
                                           RefTargetHandle hTarg,
                                           NotifyDependentsOption notifyDependentsOption) {
    (void)changeInt, (void)partID, (void)message, (void)sclass, (void)propagate, (void)hTarg;
    (void)notifyDependentsOption;
    return REF_SUCCEED;
}

void* ReferenceMaker::GetInterface(ULONG id) {
    return Animatable::GetInterface(id);
}

BaseInterface* ReferenceMaker::GetInterface(Interface_ID id) {
    return Animatable::GetInterface(id);
}
