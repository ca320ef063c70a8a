// The check that every control a block descriptor binds exists in its rollout's dialog template.
#include <standin/rollout_check.h>

#include "control_bindings.h"
#include "module_resources.h"

namespace standin {

std::string CheckRolloutControls(ParamBlockDesc2& desc) {
    if (desc.cd == nullptr) return "the descriptor belongs to no class descriptor\n";
    std::string error;
    const std::optional<DialogTemplate> dialog =
        LoadDialogTemplate(desc.cd->HInstance(), desc.dlg_template, &error);
    if (!dialog) return error + "\n";
    return CheckControlBindings(ControlBindings(desc), *dialog);
}

}  // namespace standin
