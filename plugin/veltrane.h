// Veltrane, the texture map: references, change handling, persistence, cloning and
// evaluation of the conductor Fresnel colour.
#pragma once

#include <imtl.h>
#include <iparamb2.h>
#include <max.h>

#include "core/evaluation.h"

class Veltrane final : public Texmap {
  public:
    Veltrane();
    ~Veltrane() override;

    // Identity
    void DeleteThis() override;
    void GetClassName(MSTR& s, bool localized) const override;
    SClass_ID SuperClassID() override;
    Class_ID ClassID() override;

    // References and sub-animatables: 0 parameter block, 1 texture output, 2 sub-texmap 0.
    int NumRefs() override;
    RefTargetHandle GetReference(int i) override;
    int NumSubs() override;
    Animatable* SubAnim(int i) override;
    MSTR SubAnimName(int i, bool localized) override;
    int NumParamBlocks() override;
    IParamBlock2* GetParamBlock(int i) override;
    IParamBlock2* GetParamBlockByID(BlockID id) override;

    // Sub-texmaps
    int NumSubTexmaps() override;
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;
    MSTR GetSubTexmapSlotName(int i, bool localized) override;
    BOOL SetDlgThing(ParamDlg* dlg) override;

    // Update, change and persistence
    void Reset() override;
    void Update(TimeValue t, Interval& valid) override;
    Interval Validity(TimeValue t) override;
    RefTargetHandle Clone(RemapDir& remap) override;
    IOResult Save(ISave* isave) override;
    IOResult Load(ILoad* iload) override;
    ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) override;

    // Evaluation
    AColor EvalColor(ShadeContext& sc) override;
    float EvalMono(ShadeContext& sc) override;
    Point3 EvalNormalPerturb(ShadeContext& sc) override;

    // Enables the six n/k controls of an open rollout exactly while "preset" is Custom.
    void UpdateIORControls();

  protected:
    void SetReference(int i, RefTargetHandle target) override;
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message, BOOL propagate) override;

  private:
    void TagSample(ShadeContext& sc) const;

    veltrane::ParamSnapshot snapshot;
    IParamBlock2* paramBlock = nullptr;
    Texmap* subTexmap[1] = {nullptr};
    TextureOutput* textureOutput = nullptr;
};
