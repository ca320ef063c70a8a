// Stand-in internals: the check that a block descriptor's controls exist in its rollout's
// dialog template with the classes its bindings need. The editor runs it before building a
// rollout; tools and tests can run it on their own.
#pragma once

#include <string>

#include <iparamb2.h>

#include "exports.h"

namespace standin {

// Reads template `desc.dlg_template` from the resources of the class descriptor's module
// (`desc.cd->HInstance()`) and checks every p_ui binding: a spinner's edit field must be a
// "CustEdit" and its spinner a "SpinnerControl", a TYPE_INT_COMBOBOX a combo box (the
// ComboBox atom 0x85). Returns one line per problem, empty when all is well.
STANDIN_EXPORT std::string CheckRolloutControls(ParamBlockDesc2& desc);

}  // namespace standin
