// The material editor's parameter map: a rollout built from a block descriptor's dialog
// template, whose controls show the block's parameters and whose user actions set them.
#pragma once

#include <string>
#include <vector>

#include <iparamm2.h>
#include <standin/rollout.h>

#include "control_bindings.h"
#include "dialog_template.h"
#include "fatal_stops.h"
#include "rollout_window.h"

namespace standin {

class ParamMap2 final : public IParamMap2, public Rollout {
  public:
    // Builds the controls of `dialog` and binds `desc`'s parameters to them; `module`
    // supplies the title and the combo box items. The map shows `block` at time `t` once
    // Open() has run.
    ParamMap2(ParamBlockDesc2& desc, IParamBlock2& block, const DialogTemplate& dialog,
              HINSTANCE module, TimeValue t);
    // Detaches from the block and releases the user dialog procedure.
    ~ParamMap2() override;
    ParamMap2(const ParamMap2&) = delete;
    ParamMap2& operator=(const ParamMap2&) = delete;

    // Gives the map its windows (none for a headless editor); they show the controls' state
    // from now on and GetHWnd() is theirs.
    void AttachWindow(std::unique_ptr<RolloutWindow> window);
    // Attaches the map to its block (IParamBlock2::GetMap finds it from now on), takes the
    // descriptor's user dialog procedure and sends it WM_INITDIALOG.
    void Open();
    // Shows another block of the same descriptor; its procedure hears of it (SetParamBlock).
    void SetParamBlock(IParamBlock2& block);
    // Shows the values at time t.
    void SetTime(TimeValue t);
    ParamBlockDesc2& Desc() { return desc_; }
    ParamMap2UserDlgProc* UserDlgProc() { return proc_; }

    // IParamMap2. Tab indices are not looked at: no table parameters are modelled. Parameter
    // ID -1 stands for all of them.
    void Invalidate() override;
    void Invalidate(ParamID id, int tabIndex = 0) override;
    void Enable(ParamID id, BOOL onOff, int tabIndex = 0) override;
    IParamBlock2* GetParamBlock() override { return block_; }
    HWND GetHWnd() override;
    MapID GetMapID() override { return 0; }
    // The host owns the procedure it is given: the one it replaces is deleted
    // (DeleteThis), unless another open map still uses it.
    void SetUserDlgProc(ParamMap2UserDlgProc* proc = nullptr) override;

    // Rollout.
    const std::wstring& Title() const override { return title_; }
    const std::vector<Control>& Controls() const override { return controls_; }
    const Control* FindControl(int id) const override;
    bool ChooseItem(int id, int position) override;
    bool TypeText(int id, const std::wstring& text) override;
    bool StepSpinner(int id, int clicks) override;
    bool ClickButton(int id) override;
    bool SendCommand(int id, WORD notificationCode) override;
    INT_PTR SendMessageToProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    struct Bound {
        std::size_t control;  // index into controls_
        ControlRole role;
        const ParamDef* def;
    };

    void Bind(const ControlBinding& binding, HINSTANCE module);
    // Open and still attached to its block: a block deleted under an open rollout detaches
    // it, and the map must not reach the block after that.
    bool Attached() const;
    // The control that user actions may address: present, with a real ID and enabled.
    Control* Actionable(int id);
    const Bound* BoundTo(const Control& control) const;
    // Reads the parameter of every control bound to `id` (all with -1) at the map's time.
    void Refresh(ParamID id);
    void RefreshControl(Control& control, const Bound& bound);
    // Sets the parameter through the block at the map's time (rounded for an integer one)
    // and shows the result.
    bool SetValue(const Bound& bound, float value);
    INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void Release(ParamMap2UserDlgProc* proc);
    LPARAM HandleOf(const Control& control) const;
    // Shows every control's state in the map's windows, if it has any.
    void ShowControls();

    ParamBlockDesc2& desc_;
    IParamBlock2* block_;
    TimeValue time_;
    std::wstring title_;
    std::vector<Control> controls_;
    std::vector<Bound> bound_;
    ParamMap2UserDlgProc* proc_ = nullptr;
    bool open_ = false;
    int dispatching_ = 0;
    // Procedures replaced while they were running, deleted once they return.
    std::vector<ParamMap2UserDlgProc*> retired_;
    std::unique_ptr<RolloutWindow> window_;
};

}  // namespace standin
