// A test texture map with one auto-UI block and a recording dialog procedure, for the material
// editor's tests.
#include "tests/host/editor_fixture.h"

#include <cstdio>

namespace edtest {

HINSTANCE resourceModule = nullptr;
std::vector<std::string> events;
RecordingProc* TestMap::lastProc = nullptr;
ParamDlg* TestMap::lastOutputDlg = nullptr;

TestDesc mapDesc(Class_ID(0x2D61A7F0, 0x11C3B5E9));

// clang-format off
ParamBlockDesc2 mapParams(0, L"params", 0, &mapDesc, P_AUTO_CONSTRUCT + P_AUTO_UI,
    0,                      // reference 0 of the map
    101, 4, 0, 0, nullptr,  // dialog template, title, test flags, rollup flags, procedure
    PARAMS_SHAPED_PARAMETERS(0.1f));
// clang-format on

void* TestDesc::Create(BOOL) {
    return static_cast<Animatable*>(new TestMap(*this));
}

INT_PTR RecordingProc::DlgProc(TimeValue t, IParamMap2* map, HWND, UINT msg, WPARAM wParam,
                               LPARAM) {
    maps.push_back(map);
    times.push_back(t);
    char text[64];
    if (msg == WM_COMMAND) {
        std::snprintf(text, sizeof text, "command %u %u", LOWORD(wParam), HIWORD(wParam));
    } else if (msg == WM_INITDIALOG) {
        std::snprintf(text, sizeof text, "initdialog");
    } else if (msg == 0x0400 + 600) {
        std::snprintf(text, sizeof text, "spinner %u", LOWORD(wParam));
    } else {
        std::snprintf(text, sizeof text, "message 0x%x", msg);
    }
    events.push_back(text);
    if (onMessage) onMessage(msg, wParam);
    return answer_;
}

void RecordingProc::DeleteThis() {
    events.push_back("delete proc");
    if (TestMap::lastProc == this) TestMap::lastProc = nullptr;
    delete this;
}

void RecordingProc::SetThing(ReferenceTarget* m) {
    things.push_back(m);
    events.push_back("SetThing");
    if (onSetThing) onSetThing(m);
}

void RecordingProc::SetParamBlock(IParamBlock2* pb) {
    blocks.push_back(pb);
    events.push_back("SetParamBlock");
}

TextureOutput* TestMap::Output() {
    return dynamic_cast<TextureOutput*>(GetReference(1));
}

IParamBlock2* TestMap::GetParamBlockByID(BlockID id) {
    return Block() && Block()->ID() == id ? Block() : nullptr;
}

ParamDlg* TestMap::CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) {
    IAutoMParamDlg* master = desc_.CreateParamDlgs(hwMtlEdit, imp, this);
    lastProc = new RecordingProc;
    desc_.GetParamBlockDesc(0)->SetUserDlgProc(0, lastProc);
    lastOutputDlg = Output()->CreateParamDlg(hwMtlEdit, imp);
    master->AddDlg(lastOutputDlg);
    return master;
}

BOOL TestMap::SetDlgThing(ParamDlg* dlg) {
    if (dlg == nullptr || dlg != lastOutputDlg) return FALSE;
    dlg->SetThing(Output());
    return TRUE;
}

}  // namespace edtest
