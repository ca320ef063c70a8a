#include "param_block_fixture.h"

#include <Materials/TextureOutput.h>
#include <iparamm.h>

namespace pbtest {

TestClassDesc classDesc;

// clang-format off
ParamBlockDesc2 params(0, L"params", 0, &classDesc, P_AUTO_CONSTRUCT + P_AUTO_UI,
    0,                      // reference 0 of the owner
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
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1506, 1507, SPIN_AUTOSCALE, p_end,
    kOutput, L"output", TYPE_REFTARG, P_OWNERS_REF, 27,
        p_refno, 1, p_end,
    p_end);
// clang-format on

void* TestClassDesc::Create(BOOL) { return static_cast<Animatable*>(new TestOwner); }

TestOwner::TestOwner() {
    classDesc.MakeAutoParamBlocks(this);
    ReplaceReference(1, GetNewDefaultTextureOutput());
}

RefTargetHandle TestOwner::GetReference(int i) { return i >= 0 && i < 2 ? refs_[i] : nullptr; }

void TestOwner::SetReference(int i, RefTargetHandle target) {
    if (i >= 0 && i < 2) refs_[i] = target;
}

IParamBlock2* TestOwner::Block() { return dynamic_cast<IParamBlock2*>(refs_[0]); }

RefResult TestOwner::NotifyRefChanged(const Interval&, RefTargetHandle hTarget, PartID&,
                                      RefMessage message, BOOL) {
    if (message != REFMSG_CHANGE || hTarget != refs_[0] || !Block()) return REF_SUCCEED;
    const ParamID id = Block()->LastNotifyParamID();
    changes.push_back(id);
    if (onChange) onChange(*this, id);
    return REF_SUCCEED;
}

}  // namespace pbtest
