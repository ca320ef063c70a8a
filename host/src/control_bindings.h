// The controls that a block descriptor's p_ui entries bind, and the classes those controls
// must have in the rollout's dialog template.
#pragma once

#include <string>
#include <vector>

#include <iparamb2.h>

#include "dialog_template.h"

namespace standin {

enum class ControlRole { SpinnerEdit, Spinner, ComboBox };

// The window class of a control in `role`: "CustEdit", "SpinnerControl" or "ComboBox".
const wchar_t* RoleClassName(ControlRole role);

struct ControlBinding {
    const ParamDef* def;
    int controlId;
    ControlRole role;
};

// Every binding of the descriptor's parameters, in parameter order.
std::vector<ControlBinding> ControlBindings(ParamBlockDesc2& desc);

// Whether a template item can serve in `role`: its class, an atom read as the standard class
// it stands for (so the combo box may be stored as its atom or its name), is the role's.
bool FitsRole(const DialogItem& item, ControlRole role);

// Whether window class `cls` is `name`; class names compare without regard to case, as
// Windows compares them.
bool IsClassName(const std::wstring& cls, const wchar_t* name);

// The window classes of the host's custom controls, spelled as the host registers them.
inline constexpr const wchar_t* kHostControlClasses[] = {L"CustEdit", L"SpinnerControl",
                                                         L"CustButton"};
// A class name as a window of that class reports it: the registered spelling of a host
// class, whatever the case in the template (windres stores "CUSTEDIT"); others unchanged.
std::wstring RegisteredSpelling(const std::wstring& cls);

// The class a template item names, as text: a name as stored, an atom as the standard
// class it stands for ("Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox").
std::wstring ClassNameOf(const NameOrOrdinal& windowClass);

// One line per binding whose control the template lacks or holds with another class.
std::string CheckControlBindings(const std::vector<ControlBinding>& bindings,
                                 const DialogTemplate& dialog);

}  // namespace standin
