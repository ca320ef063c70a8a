// ClassDesc2's block machinery. Block descriptors register themselves on construction; the
// class descriptor does not own them. Open parameter maps are registered by the material
// editor through the stand-in's hook.
#include <iparamb2.h>

#include <algorithm>

#include <iparamm2.h>
#include <standin/ui_invalidation_log.h>

#include "param_block2.h"
#include "param_block_access.h"

ClassDesc2::ClassDesc2() = default;

// Descriptors that outlive their class descriptor must not reach back into it.
ClassDesc2::~ClassDesc2() {
    for (ParamBlockDesc2* pbd : blockDescs_) pbd->cd = nullptr;
}

void ClassDesc2::AddParamBlockDesc(ParamBlockDesc2* pbd) {
    if (pbd && std::find(blockDescs_.begin(), blockDescs_.end(), pbd) == blockDescs_.end()) {
        blockDescs_.push_back(pbd);
    }
}

void ClassDesc2::RemoveParamBlockDesc(ParamBlockDesc2* pbd) {
    blockDescs_.erase(std::remove(blockDescs_.begin(), blockDescs_.end(), pbd), blockDescs_.end());
    openMaps_.erase(std::remove_if(openMaps_.begin(), openMaps_.end(),
                                   [pbd](const OpenMap& open) { return open.desc == pbd; }),
                    openMaps_.end());
}

int ClassDesc2::NumParamBlockDescs() {
    return static_cast<int>(blockDescs_.size());
}

ParamBlockDesc2* ClassDesc2::GetParamBlockDesc(int i) {
    return i >= 0 && i < NumParamBlockDescs() ? blockDescs_[static_cast<std::size_t>(i)] : nullptr;
}

ParamBlockDesc2* ClassDesc2::GetParamBlockDescByID(BlockID id) {
    for (ParamBlockDesc2* pbd : blockDescs_) {
        if (pbd->ID == id) return pbd;
    }
    return nullptr;
}

void ClassDesc2::InvalidateUI(ParamBlockDesc2* pbd) {
    if (auto* log = static_cast<standin::UIInvalidationLog*>(uiLog_)) {
        log->Record({pbd, ParamID(-1), -1, true});
    }
    for (const OpenMap& open : std::vector<OpenMap>(openMaps_)) {
        if (open.desc == pbd) open.map->Invalidate();
    }
}

void ClassDesc2::InvalidateUI(ParamBlockDesc2* pbd, ParamID id, int tabIndex) {
    if (auto* log = static_cast<standin::UIInvalidationLog*>(uiLog_)) {
        log->Record({pbd, id, tabIndex, false});
    }
    for (const OpenMap& open : std::vector<OpenMap>(openMaps_)) {
        if (open.desc == pbd) open.map->Invalidate(id, tabIndex);
    }
}

void ClassDesc2::MakeAutoParamBlocks(ReferenceMaker* owner) {
    if (!owner) return;
    for (ParamBlockDesc2* pbd : blockDescs_) {
        if (!(pbd->flags & P_AUTO_CONSTRUCT)) continue;
        auto* block = new standin::ParamBlock2(pbd, owner);
        // A block the owner refused is referenced by nothing and would never be freed.
        if (owner->ReplaceReference(pbd->ref_no, block) != REF_SUCCEED) block->DeleteThis();
    }
}

IParamMap2* ClassDesc2::GetParamMap(ParamBlockDesc2* pbd, MapID map_id) {
    for (auto it = openMaps_.rbegin(); it != openMaps_.rend(); ++it) {
        if (it->desc == pbd && it->id == map_id) return it->map;
    }
    return nullptr;
}

bool ClassDesc2::SetUserDlgProc(ParamBlockDesc2* pbd, MapID map_id, ParamMap2UserDlgProc* proc) {
    IParamMap2* map = GetParamMap(pbd, map_id);
    if (!map) return false;
    map->SetUserDlgProc(proc);
    return true;
}

void ClassDesc2::Reset(ReferenceMaker* owner, BOOL updateUI, BOOL callSetHandlers) {
    (void)callSetHandlers;  // no accessors are modelled
    if (!owner) return;
    for (ParamBlockDesc2* pbd : blockDescs_) {
        if (!(pbd->flags & P_AUTO_CONSTRUCT)) continue;
        auto* block = dynamic_cast<standin::ParamBlock2*>(owner->GetReference(pbd->ref_no));
        if (!block || block->GetDesc() != pbd) continue;
        block->ResetAll();
        if (updateUI) InvalidateUI(pbd);
    }
}

namespace standin {

void ParamBlockAccess::AddOpenMap(ClassDesc2& cd, ParamBlockDesc2& desc, IParamMap2& map) {
    cd.openMaps_.push_back({&desc, map.GetMapID(), &map});
}

void ParamBlockAccess::RemoveOpenMap(ClassDesc2& cd, IParamMap2& map) {
    auto& maps = cd.openMaps_;
    maps.erase(std::remove_if(maps.begin(), maps.end(),
                              [&map](const ClassDesc2::OpenMap& open) { return open.map == &map; }),
               maps.end());
}

bool ParamBlockAccess::IsOpenMap(ClassDesc2& cd, const IParamMap2& map) {
    return std::any_of(cd.openMaps_.begin(), cd.openMaps_.end(),
                       [&map](const ClassDesc2::OpenMap& open) { return open.map == &map; });
}

}  // namespace standin
