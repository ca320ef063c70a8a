// The master parameter dialog that ClassDesc2::CreateParamDlgs builds: the rollouts of the
// class's automatic-UI blocks, followed by the secondary dialogs the object adds.
#pragma once

#include <memory>
#include <vector>

#include <iparamm2.h>

#include "param_map2.h"

namespace standin {

class AutoMParamDlg final : public IAutoMParamDlg {
  public:
    AutoMParamDlg(ClassDesc2& cd, ReferenceTarget& thing, TimeValue t);
    AutoMParamDlg(const AutoMParamDlg&) = delete;
    AutoMParamDlg& operator=(const AutoMParamDlg&) = delete;

    // Takes an opened map.
    void AddMap(std::unique_ptr<ParamMap2> map);
    const std::vector<std::unique_ptr<ParamMap2>>& Maps() const { return maps_; }

    // ParamDlg.
    Class_ID ClassID() override;
    // Retargets the dialog to another object of the class: each map shows the new object's
    // block, each map's user procedure hears SetThing(m), and each secondary dialog is
    // offered to the object through ISubMap::SetDlgThing (one it declines stays as it is).
    void SetThing(ReferenceTarget* m) override;
    ReferenceTarget* GetThing() override { return thing_; }
    void SetTime(TimeValue t) override;
    void ReloadDialog() override;
    // Deletes the secondary dialogs, then the maps (which release their procedures).
    void DeleteThis() override;
    void ActivateDlg(BOOL onOff) override;

    // IAutoMParamDlg.
    void InvalidateUI() override;
    // The editor's sample slot, which this would redraw, is not modelled.
    void MtlChanged() override {}
    int NumDlgs() override { return static_cast<int>(dlgs_.size()); }
    // A null dialog, or one already added, is not added.
    void AddDlg(ParamDlg* dlg) override;
    ParamDlg* GetDlg(int i) override;
    // The master owns its secondary dialogs: the one replaced is deleted.
    void SetDlg(int i, ParamDlg* dlg) override;
    void DeleteDlg(ParamDlg* dlg) override;
    IParamMap2* GetMap() override { return maps_.empty() ? nullptr : maps_.front().get(); }

  private:
    ~AutoMParamDlg() override;

    ClassDesc2& cd_;
    ReferenceTarget* thing_;
    TimeValue time_;
    std::vector<std::unique_ptr<ParamMap2>> maps_;
    std::vector<ParamDlg*> dlgs_;
};

// The block of `obj` that `desc` describes: GetParamBlockByID, else the auto-constructed
// reference; null if it has none.
IParamBlock2* BlockOf(ReferenceTarget& obj, ParamBlockDesc2& desc);

}  // namespace standin
