// The texture map: parameter changes, Update and EvalColor, the rollout, references, cloning and
// scene data.
#include "plugin/veltrane.h"

#include <iparamm2.h>

#include "core/presets.h"
#include "plugin/class_identity.h"
#include "plugin/core_conversions.h"
#include "plugin/param_block.h"
#include "plugin/param_block_store.h"
#include "plugin/resource_strings.h"
#include "plugin/veltrane_class_desc.h"
#include "plugin/veltrane_dlg_proc.h"
#include "resources/resource.h"

// The base-class chunk of the texture's scene data; the SDK leaves its ID to each plug-in.
#define MTL_HDR_CHUNK 0x4000

using namespace veltrane_params;

namespace {

constexpr int kSubTexmapRef = 2;
constexpr int kNumRefs = 3;

// Whether `target` is an object of super class `sclass`; a null target is none.
bool IsOfSuperClass(RefTargetHandle target, SClass_ID sclass) {
    return target && target->SuperClassID() == sclass;
}

// The block's ID of one of the six n/k parameters.
ParamID IdOf(const veltrane::IorParamField& p) {
    return static_cast<ParamID>(p.id);
}

// The texture output's dialog from the last CreateParamDlg of any texture of this class. It
// is only compared, in SetDlgThing, to recognise that dialog when the host hands it back.
ParamDlg* outputDialog = nullptr;

}  // namespace

// ----------------------------------------------------------------------------------------
// Lifetime and identity

Veltrane::Veltrane() {
    GetVeltraneDesc()->MakeAutoParamBlocks(this);
    Reset();
}

Veltrane::~Veltrane() = default;

void Veltrane::DeleteThis() {
    delete this;
}

void Veltrane::GetClassName(MSTR& s, bool /*localized*/) const {
    s = kVeltraneClassName;
}
SClass_ID Veltrane::SuperClassID() {
    return TEXMAP_CLASS_ID;
}
Class_ID Veltrane::ClassID() {
    return kVeltraneClassID;
}

// ----------------------------------------------------------------------------------------
// References and sub-animatables

int Veltrane::NumRefs() {
    return kNumRefs;
}

RefTargetHandle Veltrane::GetReference(int i) {
    switch (i) {
        case kBlockRef:
            return paramBlock;
        case kOutputRef:
            return textureOutput;
        case kSubTexmapRef:
            return subTexmap[0];
        default:
            return nullptr;
    }
}

// A damaged scene file may offer any object for any slot, so a target is taken only when its
// super class is the one the slot holds. Anything else empties the slot: the host has
// released what the slot held before, and the host's loader sees that the reference did not
// take.
void Veltrane::SetReference(int i, RefTargetHandle target) {
    switch (i) {
        case kBlockRef:
            paramBlock = IsOfSuperClass(target, PARAMETER_BLOCK2_CLASS_ID)
                             ? static_cast<IParamBlock2*>(target)
                             : nullptr;
            break;
        case kOutputRef:
            textureOutput = IsOfSuperClass(target, TEXOUTPUT_CLASS_ID)
                                ? static_cast<TextureOutput*>(target)
                                : nullptr;
            break;
        case kSubTexmapRef:
            subTexmap[0] =
                IsOfSuperClass(target, TEXMAP_CLASS_ID) ? static_cast<Texmap*>(target) : nullptr;
            break;
        default:
            break;  // no such reference: nothing to store
    }
}

int Veltrane::NumSubs() {
    return kNumRefs;
}
Animatable* Veltrane::SubAnim(int i) {
    return GetReference(i);
}

MSTR Veltrane::SubAnimName(int i, bool /*localized*/) {
    switch (i) {
        case kBlockRef:
            return MSTR(LoadResourceString(IDS_PARAMETERS));
        case kOutputRef:
            return MSTR(LoadResourceString(IDS_OUTPUT));
        case kSubTexmapRef:
            return GetSubTexmapTVName(i - kSubTexmapRef, true);
        default:
            return MSTR();
    }
}

int Veltrane::NumParamBlocks() {
    return 1;
}
IParamBlock2* Veltrane::GetParamBlock(int /*i*/) {
    return paramBlock;
}
IParamBlock2* Veltrane::GetParamBlockByID(BlockID id) {
    return paramBlock && paramBlock->ID() == id ? paramBlock : nullptr;
}

// ----------------------------------------------------------------------------------------
// Sub-texmaps

int Veltrane::NumSubTexmaps() {
    return 1;
}
Texmap* Veltrane::GetSubTexmap(int i) {
    return i == 0 ? subTexmap[0] : nullptr;
}
void Veltrane::SetSubTexmap(int i, Texmap* m) {
    if (i == 0) ReplaceReference(i + kSubTexmapRef, m, TRUE);
}
MSTR Veltrane::GetSubTexmapSlotName(int /*i*/, bool /*localized*/) {
    return MSTR(_M(""));
}

// ----------------------------------------------------------------------------------------
// Update, change and persistence

void Veltrane::Reset() {
    if (textureOutput) {
        textureOutput->Reset();
    } else {
        ReplaceReference(kOutputRef, GetNewDefaultTextureOutput(), TRUE);
    }
    snapshot.validity = veltrane::Interval::Never();
    GetVeltraneDesc()->Reset(this, TRUE, TRUE);
    // The reset changed "preset" without naming it in its notification: bring an open
    // rollout's n/k controls in step with the default metal.
    UpdateIORControls();
}

void Veltrane::Update(TimeValue t, Interval& valid) {
    if (!paramBlock) return;
    Interval validity = ToHost(snapshot.validity);
    if (!validity.InInterval(t)) {
        validity = FOREVER;
        if (textureOutput) textureOutput->Update(t, validity);
        for (const veltrane::IorParamField& p : veltrane::kIorParamFields) {
            paramBlock->GetValue(IdOf(p), t, snapshot.ior.*p.field, validity, 0);
        }
        paramBlock->GetValue(kGamma, t, snapshot.gamma, validity, 0);
        paramBlock->GetValue(kHue, t, snapshot.hue, validity, 0);
        paramBlock->GetValue(kSat, t, snapshot.sat, validity, 0);
        snapshot.validity = ToCore(validity);
    }
    valid &= validity;
}

Interval Veltrane::Validity(TimeValue t) {
    Interval scratch = NEVER;
    Update(t, scratch);
    return ToHost(snapshot.validity);
}

RefResult Veltrane::NotifyRefChanged(const Interval& /*changeInt*/, RefTargetHandle hTarget,
                                     PartID& /*partID*/, RefMessage message, BOOL /*propagate*/) {
    if (message != REFMSG_CHANGE) return REF_SUCCEED;
    snapshot.validity = veltrane::Interval::Never();
    if (!paramBlock || hTarget != paramBlock) return REF_SUCCEED;

    const ParamID changed = paramBlock->LastNotifyParamID();
    GetVeltraneDesc()->InvalidateUI(&veltraneParamBlockDesc, changed, -1);
    if (changed != kPreset) return REF_SUCCEED;

    // Choosing a metal writes its six values; each write comes back here as a nested
    // change of an n/k parameter, which stops above.
    ParamBlockStore store(*paramBlock);
    veltrane::ApplyPreset(store, paramBlock->GetInt(kPreset, 0, 0));
    if (IParamMap2* map = paramBlock->GetMap(0)) {
        for (const veltrane::IorParamField& p : veltrane::kIorParamFields) {
            map->Invalidate(IdOf(p), 0);
        }
    }
    UpdateIORControls();
    return REF_SUCCEED;
}

void Veltrane::UpdateIORControls() {
    if (!paramBlock) return;
    const int preset = paramBlock->GetInt(kPreset, 0, 0);
    IParamMap2* map = paramBlock->GetMap(0);
    if (!map) return;
    const BOOL onOff = preset <= 0 ? TRUE : FALSE;
    for (const veltrane::IorParamField& p : veltrane::kIorParamFields) {
        map->Enable(IdOf(p), onOff, 0);
    }
}

RefTargetHandle Veltrane::Clone(RemapDir& remap) {
    Veltrane* copy = new Veltrane();
    *static_cast<MtlBase*>(copy) = *static_cast<MtlBase*>(this);
    copy->ReplaceReference(kOutputRef, remap.CloneRef(textureOutput), TRUE);
    copy->ReplaceReference(kBlockRef, remap.CloneRef(paramBlock), TRUE);
    BaseClone(this, copy, remap);
    return copy;
}

// The chunk is closed even when the base class fails, so that the writer's chunks stay
// balanced for whatever it does with the failure.
IOResult Veltrane::Save(ISave* isave) {
    isave->BeginChunk(MTL_HDR_CHUNK);
    const IOResult result = MtlBase::Save(isave);
    isave->EndChunk();
    return result;
}

IOResult Veltrane::Load(ILoad* iload) {
    IOResult opened;
    while ((opened = iload->OpenChunk()) == IO_OK) {
        IOResult result = IO_OK;
        if (iload->CurChunkID() == MTL_HDR_CHUNK) result = MtlBase::Load(iload);
        const IOResult closed = iload->CloseChunk();
        if (result != IO_OK) return result;
        if (closed != IO_OK) return IO_ERROR;
    }
    // Running out of chunks ends a good load; a damaged stream must not look like one.
    return opened == IO_END ? IO_OK : opened;
}

// ----------------------------------------------------------------------------------------
// Parameter dialog

ParamDlg* Veltrane::CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) {
    IAutoMParamDlg* master = GetVeltraneDesc()->CreateParamDlgs(hwMtlEdit, imp, this);
    veltraneParamBlockDesc.SetUserDlgProc(0, new VeltraneDlgProc(this));
    // Without a texture output (the host emptied reference 1) there is no rollout to append.
    if (textureOutput) {
        outputDialog = textureOutput->CreateParamDlg(hwMtlEdit, imp);
        if (master && outputDialog) master->AddDlg(outputDialog);
    }
    UpdateIORControls();
    return master;
}

BOOL Veltrane::SetDlgThing(ParamDlg* dlg) {
    // Without a texture output there is nothing to bind the dialog to: leave it alone.
    if (outputDialog && dlg == outputDialog && textureOutput) {
        outputDialog->SetThing(textureOutput);
        return TRUE;
    }
    return FALSE;
}

// ----------------------------------------------------------------------------------------
// Evaluation

void Veltrane::TagSample(ShadeContext& sc) const {
    if (gbufID != 0) sc.SetGBufferID(static_cast<int>(gbufID));
}

AColor Veltrane::EvalColor(ShadeContext& sc) {
    TagSample(sc);
    const Point3 n = sc.Normal();
    const Point3 v = sc.V();
    const AColor adjusted = ToHost(veltrane::EvalReflectance(ToCore(n), ToCore(v), snapshot));
    // Without a texture output (the host emptied reference 1) the colour goes out unfiltered.
    return textureOutput ? textureOutput->Filter(adjusted) : adjusted;
}

// EvalColor tags the sample.
float Veltrane::EvalMono(ShadeContext& sc) {
    return veltrane::Mono(ToCore(EvalColor(sc)));
}

Point3 Veltrane::EvalNormalPerturb(ShadeContext& sc) {
    TagSample(sc);
    return Point3(0.0f, 0.0f, 0.0f);
}
