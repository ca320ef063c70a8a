#include "param_block_fixture.h"

#include <Materials/TextureOutput.h>
#include <iparamm.h>

namespace pbtest {

TestClassDesc classDesc;

// clang-format off
ParamBlockDesc2 params(0, L"params", 0, &classDesc, P_AUTO_CONSTRUCT + P_AUTO_UI,
    0,                      // reference 0 of the owner
    101, 4, 0, 0, nullptr,  // dialog template, title, test flags, rollup flags, procedure
    PARAMS_SHAPED_PARAMETERS(SPIN_AUTOSCALE));
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
