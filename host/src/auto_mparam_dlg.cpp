// The master parameter dialog of ClassDesc2::CreateParamDlgs: its rollouts' maps, the secondary
// dialogs appended to it, and retargeting to another object.
#include "auto_mparam_dlg.h"

#include <algorithm>

#include <Materials/ISubMap.h>

namespace standin {

IParamBlock2* BlockOf(ReferenceTarget& obj, ParamBlockDesc2& desc) {
    IParamBlock2* block = obj.GetParamBlockByID(desc.ID);
    if (block != nullptr && block->GetDesc() == &desc) return block;
    if (desc.flags & P_AUTO_CONSTRUCT) {
        block = dynamic_cast<IParamBlock2*>(obj.GetReference(desc.ref_no));
        if (block != nullptr && block->GetDesc() == &desc) return block;
    }
    return nullptr;
}

AutoMParamDlg::AutoMParamDlg(ClassDesc2& cd, ReferenceTarget& thing, TimeValue t)
    : cd_(cd), thing_(&thing), time_(t) {}

AutoMParamDlg::~AutoMParamDlg() {
    // A secondary dialog's DeleteThis may reach back here (DeleteDlg): work from a copy.
    std::vector<ParamDlg*> dlgs;
    dlgs.swap(dlgs_);
    for (ParamDlg* dlg : dlgs) dlg->DeleteThis();
    maps_.clear();
}

void AutoMParamDlg::DeleteThis() {
    delete this;
}

void AutoMParamDlg::AddMap(std::unique_ptr<ParamMap2> map) {
    maps_.push_back(std::move(map));
}

Class_ID AutoMParamDlg::ClassID() {
    return cd_.ClassID();
}

void AutoMParamDlg::SetThing(ReferenceTarget* m) {
    if (m == nullptr || m->ClassID() != cd_.ClassID() || m->SuperClassID() != cd_.SuperClassID()) {
        StopEditor("SetThing with an object of another class than \"" + Printable(cd_.ClassName()) +
                   "\"; the editor builds a new dialog for it");
    }
    std::vector<IParamBlock2*> blocks;
    for (const auto& map : maps_) {
        IParamBlock2* block = BlockOf(*m, map->Desc());
        if (block == nullptr) {
            StopEditor("SetThing: the object has no block \"" +
                       Printable(map->Desc().int_name.data()) + "\"");
        }
        blocks.push_back(block);
    }
    thing_ = m;
    for (std::size_t i = 0; i < maps_.size(); ++i) maps_[i]->SetParamBlock(*blocks[i]);
    for (const auto& map : maps_) {
        if (ParamMap2UserDlgProc* proc = map->UserDlgProc()) proc->SetThing(m);
    }
    if (auto* subMap = dynamic_cast<ISubMap*>(m)) {
        for (ParamDlg* dlg : std::vector<ParamDlg*>(dlgs_)) subMap->SetDlgThing(dlg);
    }
}

void AutoMParamDlg::SetTime(TimeValue t) {
    time_ = t;
    for (const auto& map : maps_) map->SetTime(t);
    for (ParamDlg* dlg : dlgs_) dlg->SetTime(t);
}

void AutoMParamDlg::ReloadDialog() {
    for (const auto& map : maps_) map->SetTime(time_);
    for (ParamDlg* dlg : dlgs_) dlg->ReloadDialog();
}

void AutoMParamDlg::ActivateDlg(BOOL onOff) {
    for (ParamDlg* dlg : dlgs_) dlg->ActivateDlg(onOff);
}

void AutoMParamDlg::InvalidateUI() {
    for (const auto& map : maps_) map->Invalidate();
}

void AutoMParamDlg::AddDlg(ParamDlg* dlg) {
    if (dlg == nullptr || std::find(dlgs_.begin(), dlgs_.end(), dlg) != dlgs_.end()) return;
    dlgs_.push_back(dlg);
}

ParamDlg* AutoMParamDlg::GetDlg(int i) {
    return i >= 0 && i < NumDlgs() ? dlgs_[static_cast<std::size_t>(i)] : nullptr;
}

void AutoMParamDlg::SetDlg(int i, ParamDlg* dlg) {
    if (i < 0 || i >= NumDlgs() || dlg == nullptr) return;
    ParamDlg* old = dlgs_[static_cast<std::size_t>(i)];
    if (old == dlg || std::find(dlgs_.begin(), dlgs_.end(), dlg) != dlgs_.end()) return;
    dlgs_[static_cast<std::size_t>(i)] = dlg;
    old->DeleteThis();
}

void AutoMParamDlg::DeleteDlg(ParamDlg* dlg) {
    auto it = std::find(dlgs_.begin(), dlgs_.end(), dlg);
    if (it == dlgs_.end()) return;
    dlgs_.erase(it);
    dlg->DeleteThis();
}

}  // namespace standin
