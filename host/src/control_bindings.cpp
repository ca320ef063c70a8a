// The controls that a block descriptor's p_ui entries bind, and the check that the rollout's
// dialog template has each of them with the right class.
#include "control_bindings.h"

#include <cwctype>
#include <iterator>

#include "fatal_stops.h"
#include "utf16.h"

namespace standin {

namespace {

struct RoleInfo {
    ControlRole role;
    const wchar_t* className;
    const char* noun;  // what problem reports call the control
};

// Indexed by role.
constexpr RoleInfo kRoles[] = {
    {ControlRole::SpinnerEdit, L"CustEdit", "edit field"},
    {ControlRole::Spinner, L"SpinnerControl", "spinner"},
    {ControlRole::ComboBox, L"ComboBox", "combo box"},
};

constexpr bool RolesInOrder() {
    for (std::size_t i = 0; i < std::size(kRoles); ++i) {
        if (static_cast<std::size_t>(kRoles[i].role) != i) return false;
    }
    return true;
}
static_assert(RolesInOrder(), "kRoles is indexed by ControlRole");

const RoleInfo& InfoOf(ControlRole role) {
    return kRoles[static_cast<std::size_t>(role)];
}

// "edit field (CustEdit)"
std::string RoleName(ControlRole role) {
    const RoleInfo& info = InfoOf(role);
    return std::string(info.noun) + " (" + Printable(info.className) + ")";
}

}  // namespace

const wchar_t* RoleClassName(ControlRole role) {
    return InfoOf(role).className;
}

std::wstring RegisteredSpelling(const std::wstring& cls) {
    for (const wchar_t* name : kHostControlClasses) {
        if (IsClassName(cls, name)) return name;
    }
    return cls;
}

std::vector<ControlBinding> ControlBindings(ParamBlockDesc2& desc) {
    std::vector<ControlBinding> bindings;
    for (int i = 0; i < desc.Count(); ++i) {
        const ParamDef& def = desc.paramdefs[i];
        if (!has_ui(def)) continue;
        if (static_cast<int>(def.ctrl_type) == TYPE_SPINNER && def.ctrl_count == 2) {
            bindings.push_back({&def, def.ctrl_IDs[0], ControlRole::SpinnerEdit});
            bindings.push_back({&def, def.ctrl_IDs[1], ControlRole::Spinner});
        } else if (def.ctrl_type == TYPE_INT_COMBOBOX && def.ctrl_count == 1) {
            bindings.push_back({&def, def.ctrl_IDs[0], ControlRole::ComboBox});
        }
    }
    return bindings;
}

bool IsClassName(const std::wstring& cls, const wchar_t* name) {
    std::size_t i = 0;
    for (; i < cls.size() && name[i] != L'\0'; ++i) {
        if (std::towlower(static_cast<wint_t>(cls[i])) !=
            std::towlower(static_cast<wint_t>(name[i]))) {
            return false;
        }
    }
    return i == cls.size() && name[i] == L'\0';
}

bool FitsRole(const DialogItem& item, ControlRole role) {
    return IsClassName(ClassNameOf(item.windowClass), RoleClassName(role));
}

std::wstring ClassNameOf(const NameOrOrdinal& windowClass) {
    if (!windowClass.isOrdinal) return RegisteredSpelling(WideFromUtf16(windowClass.name));
    switch (windowClass.ordinal) {
        case kAtomButton:
            return L"Button";
        case kAtomEdit:
            return L"Edit";
        case kAtomStatic:
            return L"Static";
        case kAtomListBox:
            return L"ListBox";
        case kAtomScrollBar:
            return L"ScrollBar";
        case kAtomComboBox:
            return L"ComboBox";
        default:
            return L"#" + std::to_wstring(windowClass.ordinal);
    }
}

std::string CheckControlBindings(const std::vector<ControlBinding>& bindings,
                                 const DialogTemplate& dialog) {
    std::string problems;
    for (const ControlBinding& b : bindings) {
        const DialogItem* found = nullptr;
        for (const DialogItem& item : dialog.items) {
            if (item.id == b.controlId) {
                found = &item;
                break;
            }
        }
        const std::string subject = "parameter \"" + Printable(b.def->int_name) +
                                    "\": " + RoleName(b.role) + " " + std::to_string(b.controlId);
        if (found == nullptr) {
            problems += subject + " is not in the template\n";
        } else if (!FitsRole(*found, b.role)) {
            problems +=
                subject + " has class " + Printable(ClassNameOf(found->windowClass).c_str()) + "\n";
        }
    }
    return problems;
}

}  // namespace standin
