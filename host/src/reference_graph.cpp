// The host's record of the reference graph: cycle checks, releasing references and telling
// dependents a target is going.
#include "reference_graph.h"

#include <algorithm>
#include <unordered_set>

namespace standin {

bool ReferenceGraph::Reaches(ReferenceMaker* maker, const ReferenceMaker* target) {
    // Shared targets are walked once, so that chains of diamonds cost no more than their size.
    std::vector<ReferenceMaker*> pending{maker};
    std::unordered_set<ReferenceMaker*> seen{maker};
    while (!pending.empty()) {
        ReferenceMaker* next = pending.back();
        pending.pop_back();
        if (next == target) return true;
        for (ReferenceTarget* ref : Node(next).refs) {
            if (ref && seen.insert(ref).second) pending.push_back(ref);
        }
    }
    return false;
}

void ReferenceGraph::Release(ReferenceTarget* target, ReferenceMaker* maker, bool deleteOrphan) {
    RefNode& node = Node(target);
    auto it = std::find(node.dependents.begin(), node.dependents.end(), maker);
    if (it != node.dependents.end()) node.dependents.erase(it);
    if (deleteOrphan && node.dependents.empty() && !node.dying) target->DeleteThis();
}

void ReferenceGraph::DropReferences(ReferenceMaker* maker) {
    RefNode& node = Node(maker);
    node.dying = true;
    // Each release may delete a target, whose destruction may reach back here through the
    // dependents it notifies; clear each slot before releasing its target.
    for (std::size_t i = 0; i < node.refs.size(); ++i) {
        ReferenceTarget* target = node.refs[i];
        if (!target) continue;
        node.refs[i] = nullptr;
        Release(target, maker, true);
    }
    node.refs.clear();
}

void ReferenceGraph::ClearReferences(ReferenceMaker* maker) {
    // The record is looked up afresh each time: SetReference and a target's deletion run
    // code that may touch it.
    for (std::size_t i = 0; i < Node(maker).refs.size(); ++i) {
        ReferenceTarget* target = Node(maker).refs[i];
        if (!target) continue;
        Node(maker).refs[i] = nullptr;
        Set(maker, static_cast<int>(i), nullptr);
        Release(target, maker, true);
    }
}

void ReferenceGraph::DetachDependents(ReferenceTarget* target) {
    std::shared_ptr<RefNode> node = Share(target);
    node->dying = true;
    while (!node->dependents.empty()) {
        ReferenceMaker* maker = node->dependents.front();
        if (Node(maker).dying) {
            // A dependent in its own destruction has lost its code; it only needs the entry gone.
            Release(target, maker, false);
            continue;
        }
        PartID partID = PART_ALL;
        Notify(maker, FOREVER, target, partID, REFMSG_TARGET_DELETED, TRUE);
        // The handler may have dropped the reference, or deleted the maker altogether.
        if (!Contains(node->dependents, maker)) continue;
        // Slots are looked up afresh each time: SetReference is the maker's code.
        for (std::size_t i = 0; i < Node(maker).refs.size(); ++i) {
            if (Node(maker).refs[i] != target) continue;
            Node(maker).refs[i] = nullptr;
            Release(target, maker, false);
            Set(maker, static_cast<int>(i), nullptr);
            if (!Contains(node->dependents, maker)) break;
        }
        // A dependent entry without a matching slot cannot arise; drop it rather than loop.
        if (Contains(node->dependents, maker)) Release(target, maker, false);
    }
}

}  // namespace standin
