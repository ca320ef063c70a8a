// The material editor's parameter map: a rollout's controls bound to a block's parameters, kept in
// step with the block both ways.
#include "param_map2.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

#include <standin/param_map_hook.h>

#include "param_block_access.h"
#include "param_storage.h"
#include "utf16.h"

namespace standin {

namespace {

constexpr DWORD kWsDisabled = 0x08000000;
constexpr DWORD kButtonTypeMask = 0xF;
constexpr DWORD kBsGroupBox = 0x7;

// Every open map, so that a procedure shared by two maps is deleted by the last one only.
std::vector<ParamMap2*>& LiveMaps() {
    static std::vector<ParamMap2*> maps;
    return maps;
}

std::wstring LoadText(HINSTANCE module, int id) {
    wchar_t buffer[512];
    const int n = LoadStringW(module, static_cast<UINT>(id), buffer, 512);
    return std::wstring(buffer, static_cast<std::size_t>(n));
}

bool IsClass(const Control& control, const wchar_t* name) {
    return IsClassName(control.className, name);
}

bool IsIntegral(const ParamDef& def) {
    return StorageOf(def) == ParamStorage::Int;
}

// Spinner values show with three decimals (the host's default spinner precision), without
// trailing zeros beyond the first decimal.
std::wstring FormatValue(float value, bool integral) {
    if (integral) return std::to_wstring(std::lround(value));
    std::wostringstream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(3) << value;
    std::wstring text = out.str();
    while (text.size() > 2 && text.back() == L'0' && text[text.size() - 2] != L'.') text.pop_back();
    return text == L"-0.0" ? L"0.0" : text;
}

// A number in the C locale's notation, with nothing but white space around it.
bool ParseNumber(const std::wstring& text, double& value) {
    std::wistringstream in(text);
    in.imbue(std::locale::classic());
    in >> value;
    if (in.fail() || !std::isfinite(value)) return false;
    in >> std::ws;
    return in.eof();
}

// The step of one click of a spinner declared with SPIN_AUTOSCALE: the host's rule is
// unconfirmed; the stand-in steps by 1% of the value, at least 0.01.
float AutoStep(float value) {
    return std::max(std::fabs(value) * 0.01f, 0.01f);
}

float Clamp(double value, const Control& control) {
    return static_cast<float>(std::clamp(value, static_cast<double>(control.minValue),
                                         static_cast<double>(control.maxValue)));
}

}  // namespace

Rollout::~Rollout() = default;

ParamMap2::ParamMap2(ParamBlockDesc2& desc, IParamBlock2& block, const DialogTemplate& dialog,
                     HINSTANCE module, TimeValue t)
    : desc_(desc), block_(&block), time_(t), title_(LoadText(module, desc.title)) {
    controls_.reserve(dialog.items.size());
    for (const DialogItem& item : dialog.items) {
        Control control;
        control.id = item.id;
        control.className = ClassNameOf(item.windowClass);
        control.style = item.style;
        control.text = item.text.isOrdinal ? std::wstring() : WideFromUtf16(item.text.name);
        control.enabled = (item.style & kWsDisabled) == 0;
        controls_.push_back(std::move(control));
    }
    for (const ControlBinding& binding : ControlBindings(desc)) Bind(binding, module);
    LiveMaps().push_back(this);
}

ParamMap2::~ParamMap2() {
    window_.reset();  // its messages must not reach a map being destroyed
    auto& live = LiveMaps();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    if (Attached()) DetachParamMap(*block_, *this);
    ParamMap2UserDlgProc* proc = proc_;
    proc_ = nullptr;
    Release(proc);
    for (ParamMap2UserDlgProc* retired : std::vector<ParamMap2UserDlgProc*>(retired_)) {
        Release(retired);
    }
}

void ParamMap2::Bind(const ControlBinding& binding, HINSTANCE module) {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Control& c) { return c.id == binding.controlId; });
    if (it == controls_.end())
        StopEditor("control " + std::to_string(binding.controlId) + " is missing");
    Control& control = *it;
    const ParamDef& def = *binding.def;
    control.paramId = def.ID;
    if (binding.role == ControlRole::ComboBox) {
        for (std::size_t k = 0; k < def.item_string_ids.size(); ++k) {
            const int value = def.item_values.empty() ? static_cast<int>(k) : def.item_values[k];
            control.items.push_back({LoadText(module, def.item_string_ids[k]), value});
        }
    } else if (!def.has_range) {
        control.minValue = std::numeric_limits<float>::lowest();
        control.maxValue = std::numeric_limits<float>::max();
    } else if (IsIntegral(def)) {
        control.minValue = static_cast<float>(def.range_low.i);
        control.maxValue = static_cast<float>(def.range_high.i);
    } else {
        control.minValue = def.range_low.f;
        control.maxValue = def.range_high.f;
    }
    if (binding.role != ControlRole::ComboBox) control.scale = def.scale;
    bound_.push_back({static_cast<std::size_t>(it - controls_.begin()), binding.role, &def});
}

void ParamMap2::AttachWindow(std::unique_ptr<RolloutWindow> window) {
    window_ = std::move(window);
    ShowControls();
}

void ParamMap2::ShowControls() {
    if (window_ == nullptr) return;
    for (const Control& control : controls_) window_->Show(control);
}

void ParamMap2::Open() {
    if (open_) return;
    open_ = true;
    AttachParamMap(*block_, *this);
    Refresh(-1);
    proc_ = desc_.dlgProc;
    Dispatch(WM_INITDIALOG, 0, 0);
}

bool ParamMap2::Attached() const {
    return open_ && desc_.cd != nullptr && ParamBlockAccess::IsOpenMap(*desc_.cd, *this);
}

void ParamMap2::SetParamBlock(IParamBlock2& block) {
    if (Attached()) DetachParamMap(*block_, *this);
    block_ = &block;
    if (open_) AttachParamMap(*block_, *this);
    Refresh(-1);
    if (proc_) proc_->SetParamBlock(block_);
}

void ParamMap2::SetTime(TimeValue t) {
    time_ = t;
    Refresh(-1);
}

void ParamMap2::Invalidate() {
    for (Control& control : controls_) ++control.invalidations;
    Refresh(-1);
}

void ParamMap2::Invalidate(ParamID id, int tabIndex) {
    (void)tabIndex;
    if (id == -1) {  // what a block notifies after a change of all its parameters
        Invalidate();
        return;
    }
    for (const Bound& bound : bound_) {
        if (bound.def->ID == id) ++controls_[bound.control].invalidations;
    }
    Refresh(id);
}

void ParamMap2::Enable(ParamID id, BOOL onOff, int tabIndex) {
    (void)tabIndex;
    for (const Bound& bound : bound_) {
        if (bound.def->ID == id) controls_[bound.control].enabled = onOff != FALSE;
    }
    ShowControls();
}

HWND ParamMap2::GetHWnd() {
    if (window_ != nullptr) return window_->Handle();
    return reinterpret_cast<HWND>(static_cast<Rollout*>(this));
}

void ParamMap2::SetUserDlgProc(ParamMap2UserDlgProc* proc) {
    if (proc == proc_) return;
    ParamMap2UserDlgProc* old = proc_;
    proc_ = proc;
    Release(old);
}

void ParamMap2::Release(ParamMap2UserDlgProc* proc) {
    if (proc == nullptr || proc == proc_) return;
    if (dispatching_ > 0) {
        if (std::find(retired_.begin(), retired_.end(), proc) == retired_.end()) {
            retired_.push_back(proc);
        }
        return;
    }
    retired_.erase(std::remove(retired_.begin(), retired_.end(), proc), retired_.end());
    for (ParamMap2* map : LiveMaps()) {
        if (map->proc_ == proc) return;
    }
    // The descriptor must not hand a deleted procedure to the next rollout.
    if (desc_.dlgProc == proc) desc_.dlgProc = nullptr;
    proc->DeleteThis();
}

INT_PTR ParamMap2::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    ParamMap2UserDlgProc* proc = proc_;
    if (proc == nullptr) return 0;
    ++dispatching_;
    const INT_PTR result = proc->DlgProc(time_, this, GetHWnd(), msg, wParam, lParam);
    if (--dispatching_ == 0) {
        for (ParamMap2UserDlgProc* retired : std::vector<ParamMap2UserDlgProc*>(retired_)) {
            Release(retired);
        }
    }
    return result;
}

const Control* ParamMap2::FindControl(int id) const {
    for (const Control& control : controls_) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

Control* ParamMap2::Actionable(int id) {
    if (id == -1 || !Attached()) return nullptr;
    auto* control = const_cast<Control*>(FindControl(id));
    return control != nullptr && control->enabled ? control : nullptr;
}

const ParamMap2::Bound* ParamMap2::BoundTo(const Control& control) const {
    for (const Bound& bound : bound_) {
        if (&controls_[bound.control] == &control) return &bound;
    }
    return nullptr;
}

void ParamMap2::Refresh(ParamID id) {
    if (!Attached()) return;
    for (const Bound& bound : bound_) {
        if (id == -1 || bound.def->ID == id) RefreshControl(controls_[bound.control], bound);
    }
    ShowControls();
}

void ParamMap2::RefreshControl(Control& control, const Bound& bound) {
    const ParamDef& def = *bound.def;
    Interval valid = FOREVER;
    if (bound.role == ControlRole::ComboBox) {
        int value = 0;
        block_->GetValue(def.ID, time_, value, valid);
        control.selection = -1;
        for (std::size_t k = 0; k < control.items.size(); ++k) {
            if (control.items[k].value == value) {
                control.selection = static_cast<int>(k);
                break;
            }
        }
        control.text = control.selection >= 0
                           ? control.items[static_cast<std::size_t>(control.selection)].text
                           : std::wstring();
        return;
    }
    if (IsIntegral(def)) {
        int value = 0;
        block_->GetValue(def.ID, time_, value, valid);
        control.value = static_cast<float>(value);
    } else {
        block_->GetValue(def.ID, time_, control.value, valid);
    }
    if (bound.role == ControlRole::SpinnerEdit)
        control.text = FormatValue(control.value, IsIntegral(def));
}

bool ParamMap2::SetValue(const Bound& bound, float value) {
    const ParamID id = bound.def->ID;
    const BOOL set = IsIntegral(*bound.def)
                         ? block_->SetValue(id, time_, static_cast<int>(std::lround(value)))
                         : block_->SetValue(id, time_, value);
    Refresh(id);
    return set != FALSE;
}

LPARAM ParamMap2::HandleOf(const Control& control) const {
    return reinterpret_cast<LPARAM>(&control);
}

bool ParamMap2::ChooseItem(int id, int position) {
    Control* control = Actionable(id);
    if (control == nullptr || !IsClass(*control, RoleClassName(ControlRole::ComboBox)) ||
        position < 0 || static_cast<std::size_t>(position) >= control->items.size()) {
        return false;
    }
    const ComboItem& item = control->items[static_cast<std::size_t>(position)];
    if (const Bound* bound = BoundTo(*control)) {
        if (!SetValue(*bound, static_cast<float>(item.value))) return false;
    }
    control->selection = position;
    control->text = item.text;
    ShowControls();
    Dispatch(WM_COMMAND, MakeWParam(static_cast<WORD>(id), kCbnSelChange), HandleOf(*control));
    return true;
}

bool ParamMap2::TypeText(int id, const std::wstring& text) {
    Control* control = Actionable(id);
    if (control == nullptr) return false;
    WORD code = 0;
    if (IsClass(*control, RoleClassName(ControlRole::ComboBox))) {
        // The drop-down's own edit field: the text changes, the selection does not.
        control->text = text;
        code = kCbnEditChange;
    } else if (IsClass(*control, RoleClassName(ControlRole::SpinnerEdit)) ||
               IsClass(*control, L"Edit")) {
        const Bound* bound = BoundTo(*control);
        if (bound != nullptr) {
            double value = 0.0;
            if (!ParseNumber(text, value)) return false;
            if (!SetValue(*bound, Clamp(value, *control))) return false;
        } else {
            control->text = text;
        }
        code = kEnChange;
    } else {
        return false;
    }
    Dispatch(WM_COMMAND, MakeWParam(static_cast<WORD>(id), code), HandleOf(*control));
    return true;
}

bool ParamMap2::StepSpinner(int id, int clicks) {
    Control* control = Actionable(id);
    if (control == nullptr || !IsClass(*control, RoleClassName(ControlRole::Spinner))) {
        return false;
    }
    const Bound* bound = BoundTo(*control);
    if (bound == nullptr) return false;
    const long long count = std::llabs(static_cast<long long>(clicks));
    const float direction = clicks < 0 ? -1.0f : 1.0f;
    for (long long k = 0; k < count && control->enabled; ++k) {
        float step = control->scale > 0.0f ? control->scale : AutoStep(control->value);
        if (IsIntegral(*bound->def)) step = std::max(1.0f, std::round(step));
        const double next = static_cast<double>(control->value) + direction * step;
        if (!SetValue(*bound, Clamp(next, *control))) return false;
        Dispatch(kCcSpinnerChange, MakeWParam(static_cast<WORD>(id), FALSE), HandleOf(*control));
    }
    return true;
}

bool ParamMap2::ClickButton(int id) {
    Control* control = Actionable(id);
    if (control == nullptr) return false;
    const bool button =
        IsClass(*control, L"CustButton") ||
        (IsClass(*control, L"Button") && (control->style & kButtonTypeMask) != kBsGroupBox);
    if (!button) return false;
    Dispatch(WM_COMMAND, MakeWParam(static_cast<WORD>(id), kBnClicked), HandleOf(*control));
    return true;
}

bool ParamMap2::SendCommand(int id, WORD notificationCode) {
    Control* control = Actionable(id);
    if (control == nullptr) return false;
    Dispatch(WM_COMMAND, MakeWParam(static_cast<WORD>(id), notificationCode), HandleOf(*control));
    return true;
}

INT_PTR ParamMap2::SendMessageToProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dispatch(msg, wParam, lParam);
}

}  // namespace standin

ParamMap2UserDlgProc::~ParamMap2UserDlgProc() = default;
