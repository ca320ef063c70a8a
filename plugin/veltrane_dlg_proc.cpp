// The rollout's message handler: the preset combo box and the two web-page buttons.
#include "plugin/veltrane_dlg_proc.h"

#include <windows.h>

#include "plugin/veltrane.h"
#include "plugin/web_pages.h"
#include "resources/resource.h"

namespace {

// Hands the address to the desktop's default browser; nothing waits for it, and a page
// that cannot be opened changes nothing.
void OpenWebPage(const MCHAR* address) {
    ShellExecuteW(nullptr, nullptr, address, nullptr, nullptr, SW_SHOW);
}

}  // namespace

VeltraneDlgProc::~VeltraneDlgProc() = default;

INT_PTR VeltraneDlgProc::DlgProc(TimeValue /*t*/, IParamMap2* /*map*/, HWND /*hWnd*/, UINT msg,
                                 WPARAM wParam, LPARAM /*lParam*/) {
    if (msg != WM_COMMAND) return 0;
    // Every command of a control counts, whatever its notification code.
    switch (LOWORD(wParam)) {
        case IDC_PRESET:
            if (texture) texture->UpdateIORControls();
            break;
        case IDC_HOMEPAGE:
            OpenWebPage(kHomePageAddress);
            break;
        case IDC_REFERENCE_SITE:
            OpenWebPage(kReferencePageAddress);
            break;
        default:
            break;
    }
    return 0;
}

void VeltraneDlgProc::DeleteThis() {
    delete this;
}

void VeltraneDlgProc::SetThing(ReferenceTarget* m) {
    texture = static_cast<Veltrane*>(m);
    if (texture) texture->UpdateIORControls();
}
