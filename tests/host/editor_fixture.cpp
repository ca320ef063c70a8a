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
    kPreset, L"preset", TYPE_INT, P_ANIMATABLE + P_RESET_DEFAULT, 11,
        p_default, 6,
        p_ui, TYPE_INT_COMBOBOX, 1001, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
        p_vals, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10,
        p_end,
    kNR, L"nrvalue", TYPE_FLOAT, P_ANIMATABLE, 5,
        p_default, 0.27105f, p_range, 0.0f, 100.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1490, 1496, 0.001f, p_end,
    kNG, L"ngvalue", TYPE_FLOAT, P_ANIMATABLE, 6,
        p_default, 0.97907f, p_range, 0.0f, 100.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1491, 1497, 0.001f, p_end,
    kNB, L"nbvalue", TYPE_FLOAT, P_ANIMATABLE, 7,
        p_default, 1.2171f, p_range, 0.0f, 100.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1492, 1498, 0.001f, p_end,
    kKR, L"krvalue", TYPE_FLOAT, P_ANIMATABLE, 8,
        p_default, 3.6092f, p_range, 0.0f, 100.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1493, 1499, 0.001f, p_end,
    kKG, L"kgvalue", TYPE_FLOAT, P_ANIMATABLE, 9,
        p_default, 2.369f, p_range, 0.0f, 100.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1494, 1500, 0.001f, p_end,
    kKB, L"kbvalue", TYPE_FLOAT, P_ANIMATABLE, 10,
        p_default, 2.2908f, p_range, 0.0f, 100.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1495, 1501, 0.001f, p_end,
    kGamma, L"gamma", TYPE_FLOAT, P_ANIMATABLE, 23,
        p_default, 1.0f, p_range, 0.05f, 20.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1502, 1503, 0.01f, p_end,
    kHue, L"hue", TYPE_FLOAT, P_ANIMATABLE, 24,
        p_default, 0.0f, p_range, -180.0f, 180.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1504, 1505, 0.1f, p_end,
    kSat, L"sat", TYPE_FLOAT, P_ANIMATABLE, 25,
        p_default, 0.0f, p_range, -100.0f, 100.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1506, 1507, 0.1f, p_end,
    kOutput, L"output", TYPE_REFTARG, P_OWNERS_REF, 27,
        p_refno, 1, p_end,
    p_end);
// clang-format on

void* TestDesc::Create(BOOL) { return static_cast<Animatable*>(new TestMap(*this)); }

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

TestMap::TestMap(TestDesc& desc) : desc_(desc) {
    desc_.MakeAutoParamBlocks(this);
    ReplaceReference(1, GetNewDefaultTextureOutput());
}

RefTargetHandle TestMap::GetReference(int i) { return i >= 0 && i < 2 ? refs_[i] : nullptr; }

void TestMap::SetReference(int i, RefTargetHandle target) {
    if (i >= 0 && i < 2) refs_[i] = target;
}

IParamBlock2* TestMap::Block() { return dynamic_cast<IParamBlock2*>(refs_[0]); }

TextureOutput* TestMap::Output() { return dynamic_cast<TextureOutput*>(refs_[1]); }

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

RefResult TestMap::NotifyRefChanged(const Interval&, RefTargetHandle hTarget, PartID&,
                                    RefMessage message, BOOL) {
    if (message == REFMSG_CHANGE && hTarget == refs_[0] && Block()) {
        events.push_back("change " + std::to_string(Block()->LastNotifyParamID()));
    }
    return REF_SUCCEED;
}

}  // namespace edtest
