// Stand-in internals: the controls of a rollout that the headless material editor built from
// a dialog template, what each shows, and the user's actions on them.
#pragma once

#include <string>
#include <vector>

#include <iparamm2.h>
#include <windows.h>

#include "exports.h"

namespace standin {

// Notification codes a control sends with WM_COMMAND (HIWORD of wParam), and the custom
// spinner's message; the plug-in reads none of them, so <windows.h> does not declare them.
constexpr WORD kBnClicked = 0;      // BN_CLICKED
constexpr WORD kCbnSelChange = 1;   // CBN_SELCHANGE
constexpr WORD kCbnSetFocus = 3;    // CBN_SETFOCUS
constexpr WORD kCbnKillFocus = 4;   // CBN_KILLFOCUS
constexpr WORD kCbnEditChange = 5;  // CBN_EDITCHANGE
constexpr WORD kCbnDropDown = 7;    // CBN_DROPDOWN
constexpr WORD kEnChange = 0x0300;  // EN_CHANGE
// CC_SPINNER_CHANGE (WM_USER + 600; the value is from custcont.h, unconfirmed for 2026):
// LOWORD(wParam) the spinner's ID, HIWORD(wParam) FALSE for a click rather than a drag.
constexpr UINT kCcSpinnerChange = 0x0400 + 600;

inline WPARAM MakeWParam(WORD low, WORD high) {
    return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}

struct ComboItem {
    std::wstring text;  // the item's string from the module's string table
    int value;          // the parameter value it stands for
};

// One control of a rollout, in template order. Parameters bound to it are refreshed from
// the block at the editor's time when the map redraws them.
struct Control {
    int id = 0;              // -1 for statics that nothing addresses
    std::wstring className;  // "CustEdit", "SpinnerControl", "CustButton", or the standard
                             // class a template atom stands for ("ComboBox", "Static", ...)
    std::wstring text;       // what it shows: the value of an edit field, the selected
                             // item of a combo box, the caption of a button or static
    DWORD style = 0;         // window style bits from the template
    bool enabled = true;
    int invalidations = 0;  // redraws asked for with Invalidate on its parameter

    ParamID paramId = -1;  // the bound parameter, -1 if none
    // Spinners (and their edit fields): value shown, limits and the step of one click.
    float value = 0.0f;
    float minValue = 0.0f;
    float maxValue = 0.0f;
    float scale = 0.0f;
    // Combo boxes: the items in the order added, and the selected position (-1: none).
    std::vector<ComboItem> items;
    int selection = -1;
};

// A rollout of an open parameter dialog. The user actions take the road they take on the
// host: a bound parameter is set through the block at the editor's time (the owner is
// notified at once), then the map's user dialog procedure receives the control's message.
// A disabled control refuses every action, as a greyed control would; so do missing
// controls and actions that do not fit the control. Each action returns whether it was
// taken.
class STANDIN_EXPORT Rollout {
  public:
    virtual ~Rollout();

    // The title string of the rollout, from the module's string table.
    virtual const std::wstring& Title() const = 0;
    virtual const std::vector<Control>& Controls() const = 0;
    // The control with ID `id`, or null.
    virtual const Control* FindControl(int id) const = 0;

    // Selects the item at `position` of a combo box: WM_COMMAND with CBN_SELCHANGE.
    virtual bool ChooseItem(int id, int position) = 0;
    // Types a number into an edit field (a bound value is clamped to the spinner's limits;
    // text that is not a number is refused, as the field would revert it): WM_COMMAND with
    // EN_CHANGE.
    virtual bool TypeText(int id, const std::wstring& text) = 0;
    // Clicks a spinner's arrows `clicks` times (negative: down), each click one step of the
    // scale, stopping at the limits: one kCcSpinnerChange per click.
    virtual bool StepSpinner(int id, int clicks) = 0;
    // Clicks a push button: WM_COMMAND with BN_CLICKED.
    virtual bool ClickButton(int id) = 0;
    // Sends WM_COMMAND with any notification code from a control, e.g. kCbnDropDown.
    virtual bool SendCommand(int id, WORD notificationCode) = 0;
    // Passes a window message to the user dialog procedure; returns its answer (0 without
    // a procedure).
    virtual INT_PTR SendMessageToProc(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
};

// The rollout behind a parameter map that the material editor built; null for others.
inline Rollout* RolloutOf(IParamMap2* map) {
    return dynamic_cast<Rollout*>(map);
}

}  // namespace standin
