// Real windows for the material editor on Windows: a top-level frame, and each rollout a
// child dialog that the dialog manager builds from the template in the plug-in module. The
// host's custom controls are window classes of the host DLL registered with CS_GLOBALCLASS:
// the dialog creates its controls with the plug-in's module handle, so a class local to the
// host would not be found.
#include "rollout_window.h"

#include <windows.h>

#include <set>
#include <string>

#include "control_bindings.h"
#include "fatal_stops.h"

namespace standin {
namespace {

// A spinner click, sent by a SpinnerControl to its dialog: wParam the spinner's ID, lParam
// +1 for the upper arrow, -1 for the lower.
constexpr UINT kSpinnerClick = WM_APP + 1;
constexpr wchar_t kFrameClass[] = L"StandinMaterialEditor";

HINSTANCE HostModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&HostModule), &module);
    return module;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrW(window, 0));
}

// Paints `text` centred or left-aligned in the font the dialog gave the control, greyed
// when the control is disabled.
void DrawLabel(HWND window, HDC dc, RECT box, UINT format) {
    const HGDIOBJ old =
        SelectObject(dc, FontOf(window) ? FontOf(window) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(window) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    std::wstring text = WindowText(window);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              format | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, old);
}

// Draws a control's client area `box` on `dc`.
using Painter = void (*)(HWND window, HDC dc, RECT box);

// What every host control does alike: keeps the dialog's font, repaints on a change, and
// paints with its own painter.
bool CommonMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, Painter paint,
                   LRESULT& result) {
    switch (msg) {
        case WM_SETFONT:
            SetWindowLongPtrW(window, 0, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
            result = 0;
            return true;
        case WM_GETFONT:
            result = GetWindowLongPtrW(window, 0);
            return true;
        case WM_SETTEXT:
        case WM_ENABLE:
            result = DefWindowProcW(window, msg, wParam, lParam);
            InvalidateRect(window, nullptr, TRUE);
            return true;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            RECT box;
            GetClientRect(window, &box);
            paint(window, dc, box);
            EndPaint(window, &ps);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

UINT InactiveFlag(HWND window) {
    return IsWindowEnabled(window) ? 0 : DFCS_INACTIVE;
}

// The two arrows of a spinner: the upper half steps up, the lower half down.
LONG SpinnerMiddle(RECT box) {
    return (box.top + box.bottom) / 2;
}

// CustEdit: a sunken field that shows the value.
void PaintCustEdit(HWND window, HDC dc, RECT box) {
    FillRect(dc, &box, GetSysColorBrush(IsWindowEnabled(window) ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    box.left += 2;
    DrawLabel(window, dc, box, DT_LEFT);
}

LRESULT CALLBACK CustEditProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (CommonMessage(window, msg, wParam, lParam, PaintCustEdit, result)) return result;
    return DefWindowProcW(window, msg, wParam, lParam);
}

// SpinnerControl: two arrows; a click on one steps the value through the dialog.
void PaintSpinner(HWND window, HDC dc, RECT box) {
    RECT up = box, down = box;
    up.bottom = down.top = SpinnerMiddle(box);
    DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | InactiveFlag(window));
    DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN | InactiveFlag(window));
}

LRESULT CALLBACK SpinnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (CommonMessage(window, msg, wParam, lParam, PaintSpinner, result)) return result;
    if (msg == WM_LBUTTONDOWN) {
        RECT box;
        GetClientRect(window, &box);
        const int y = static_cast<short>(HIWORD(lParam));
        SendMessageW(GetParent(window), kSpinnerClick, static_cast<WPARAM>(GetDlgCtrlID(window)),
                     y < SpinnerMiddle(box) ? 1 : -1);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// CustButton: a push button; a click (or BM_CLICK) sends BN_CLICKED to the dialog.
void PaintCustButton(HWND window, HDC dc, RECT box) {
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONPUSH | InactiveFlag(window));
    DrawLabel(window, dc, box, DT_CENTER);
}

LRESULT CALLBACK CustButtonProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (CommonMessage(window, msg, wParam, lParam, PaintCustButton, result)) return result;
    if (msg == WM_LBUTTONUP || msg == BM_CLICK) {
        if (IsWindowEnabled(window)) {
            SendMessageW(GetParent(window), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                         reinterpret_cast<LPARAM>(window));
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// Registers the frame's class and the host's control classes once per process.
void RegisterClasses() {
    static const bool registered = [] {
        const HINSTANCE host = HostModule();
        const struct {
            const wchar_t* name;
            WNDPROC proc;
            UINT style;
        } classes[] = {
            {kHostControlClasses[0], CustEditProc, CS_GLOBALCLASS},
            {kHostControlClasses[1], SpinnerProc, CS_GLOBALCLASS},
            {kHostControlClasses[2], CustButtonProc, CS_GLOBALCLASS},
            {kFrameClass, DefWindowProcW, 0},
        };
        for (const auto& c : classes) {
            WNDCLASSW wc{};
            wc.style = c.style | CS_HREDRAW | CS_VREDRAW;
            wc.lpfnWndProc = c.proc;
            wc.cbWndExtra = sizeof(LONG_PTR);  // the control's font
            wc.hInstance = host;
            wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
            wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
            wc.lpszClassName = c.name;
            RegisterClassW(&wc);
        }
        return true;
    }();
    (void)registered;
}

// The rollout's dialog procedure: the user's actions on the controls become the rollout's
// actions, which set the parameter and tell the plug-in's procedure.
INT_PTR CALLBACK RolloutDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    auto* rollout = reinterpret_cast<Rollout*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (rollout == nullptr) return FALSE;
    if (msg == WM_COMMAND && lParam != 0) {
        const int id = LOWORD(wParam);
        const WORD code = HIWORD(wParam);
        if (code == CBN_SELCHANGE) {
            const auto position = SendMessageW(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0);
            rollout->ChooseItem(id, static_cast<int>(position));
        } else if (code == BN_CLICKED) {
            rollout->ClickButton(id);
        } else {
            rollout->SendCommand(id, code);
        }
        return TRUE;
    }
    if (msg == kSpinnerClick) {
        rollout->StepSpinner(static_cast<int>(wParam), static_cast<int>(lParam));
        return TRUE;
    }
    return FALSE;
}

class Win32RolloutWindow final : public RolloutWindow {
  public:
    explicit Win32RolloutWindow(HWND dialog) : dialog_(dialog) {}
    ~Win32RolloutWindow() override {
        SetWindowLongPtrW(dialog_, DWLP_USER, 0);  // no more actions on the rollout
        DestroyWindow(dialog_);
    }
    Win32RolloutWindow(const Win32RolloutWindow&) = delete;
    Win32RolloutWindow& operator=(const Win32RolloutWindow&) = delete;

    HWND Handle() const override { return dialog_; }

    void Show(const Control& control) override {
        if (control.id <= 0 || control.id == 0xFFFF) return;  // statics nothing addresses
        HWND item = GetDlgItem(dialog_, control.id);
        if (item == nullptr) return;
        if ((IsWindowEnabled(item) != FALSE) != control.enabled)
            EnableWindow(item, control.enabled);
        if (IsClassName(control.className, L"ComboBox")) {
            if (filledCombos_.insert(control.id).second) {
                for (const ComboItem& entry : control.items) {
                    SendMessageW(item, CB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(entry.text.c_str()));
                }
            }
            if (SendMessageW(item, CB_GETCURSEL, 0, 0) != control.selection) {
                SendMessageW(item, CB_SETCURSEL, static_cast<WPARAM>(control.selection), 0);
            }
        } else if (IsClassName(control.className, kHostControlClasses[0])) {
            if (WindowText(item) != control.text) SetWindowTextW(item, control.text.c_str());
        }
    }

  private:
    HWND dialog_;
    std::set<int> filledCombos_;
};

// Sizes a top-level frame so that its client area holds the dialog.
void FitFrame(HWND frame, HWND dialog) {
    RECT box;
    GetWindowRect(dialog, &box);
    RECT outer{0, 0, box.right - box.left, box.bottom - box.top};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(frame, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(frame, GWL_EXSTYLE)));
    SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::unique_ptr<RolloutWindow> CreateRolloutWindow(Rollout& rollout, HINSTANCE module,
                                                   int templateId, HWND editorWindow) {
    if (!IsWindow(editorWindow)) return nullptr;
    RegisterClasses();
    HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(templateId), editorWindow,
                                     RolloutDialogProc, reinterpret_cast<LPARAM>(&rollout));
    if (dialog == nullptr) {
        // A class the template names but nobody registered, for one: the host would show no
        // rollout at all.
        StopEditor("CreateDialogParamW, dialog template " + std::to_string(templateId) +
                   ": error " + std::to_string(GetLastError()));
    }
    if (GetParent(dialog) == editorWindow &&
        GetAncestor(editorWindow, GA_PARENT) == GetDesktopWindow()) {
        FitFrame(editorWindow, dialog);
    }
    return std::make_unique<Win32RolloutWindow>(dialog);
}

HWND CreateEditorFrame() {
    RegisterClasses();
    return CreateWindowExW(0, kFrameClass, L"Material Editor",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 400, 400,
                           nullptr, nullptr, HostModule(), nullptr);
}

void DestroyEditorFrame(HWND frame) {
    if (frame != nullptr) DestroyWindow(frame);
}

}  // namespace standin
