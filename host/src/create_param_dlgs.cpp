// ClassDesc2::CreateParamDlgs: the master dialog with one rollout per automatic-UI block.
// Each rollout is built from the descriptor's dialog template, read from the class's own
// module (HInstance()); its bindings are checked against the template first, since a
// binding to a missing or wrong control would leave the host with a broken rollout.
#include <iparamb2.h>

#include <standin/material_editor.h>

#include "auto_mparam_dlg.h"
#include "control_bindings.h"
#include "module_resources.h"
#include "rollout_window.h"

IAutoMParamDlg* ClassDesc2::CreateParamDlgs(HWND hwMtlEdit, IMtlParams* imp, ReferenceTarget* obj) {
    if (obj == nullptr) return nullptr;
    const auto* editor = dynamic_cast<standin::MaterialEditor*>(imp);
    const TimeValue t = editor != nullptr ? editor->GetTime() : 0;

    auto* master = new standin::AutoMParamDlg(*this, *obj, t);
    for (ParamBlockDesc2* desc : blockDescs_) {
        if (!(desc->flags & P_AUTO_UI)) continue;
        const std::string block = "block \"" + standin::Printable(desc->int_name.data()) + "\"";
        IParamBlock2* pb = standin::BlockOf(*obj, *desc);
        if (pb == nullptr) standin::StopEditor("CreateParamDlgs: the object has no " + block);
        std::string error;
        const std::optional<standin::DialogTemplate> dialog =
            standin::LoadDialogTemplate(HInstance(), desc->dlg_template, &error);
        if (!dialog) standin::StopEditor("CreateParamDlgs, " + block + ": " + error);
        const std::string problems =
            standin::CheckControlBindings(standin::ControlBindings(*desc), *dialog);
        if (!problems.empty()) {
            standin::StopEditor("CreateParamDlgs, " + block + ", dialog template " +
                                std::to_string(desc->dlg_template) + ":\n" + problems);
        }
        auto map = std::make_unique<standin::ParamMap2>(*desc, *pb, *dialog, HInstance(), t);
        standin::ParamMap2& opened = *map;
        master->AddMap(std::move(map));
        // Real windows where the editor has them: a child dialog of its frame.
        opened.AttachWindow(
            standin::CreateRolloutWindow(opened, HInstance(), desc->dlg_template, hwMtlEdit));
        opened.Open();
    }
    return master;
}
