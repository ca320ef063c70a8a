// The parameters of a block declared the way the texture declares its "params": a preset
// combo box, nine float spinners with ranges and scales, and the owner's texture output as
// reference 1, and an owner base holding both. Shared by the host tests that need a
// plug-in-shaped block without the plug-in.
#pragma once

#include <Materials/TextureOutput.h>
#include <iparamb2.h>
#include <iparamm.h>

namespace paramshape {

enum ParamIDs : ParamID {
    kPreset = 0,
    kNR = 1,
    kNG = 2,
    kNB = 3,
    kKR = 4,
    kKG = 5,
    kKB = 6,
    kGamma = 7,
    kHue = 8,
    kSat = 9,
    kOutput = 11,
};

// An owner of such a block: reference 0 is the block, made by the class descriptor's
// automatic construction, reference 1 a default texture output. Changes the block notifies
// reach BlockChanged with the parameter's ID.
template <class Base>
class TwoRefOwner : public Base {
  public:
    int NumRefs() override { return 2; }
    RefTargetHandle GetReference(int i) override { return i >= 0 && i < 2 ? refs_[i] : nullptr; }
    IParamBlock2* Block() { return dynamic_cast<IParamBlock2*>(refs_[0]); }

  protected:
    explicit TwoRefOwner(ClassDesc2& desc) {
        desc.MakeAutoParamBlocks(this);
        this->ReplaceReference(1, GetNewDefaultTextureOutput());
    }

    virtual void BlockChanged(ParamID) {}

    void SetReference(int i, RefTargetHandle target) override {
        if (i >= 0 && i < 2) refs_[i] = target;
    }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle hTarget, PartID&,
                               RefMessage message, BOOL) override {
        if (message == REFMSG_CHANGE && hTarget == refs_[0] && Block()) {
            BlockChanged(Block()->LastNotifyParamID());
        }
        return REF_SUCCEED;
    }

  private:
    RefTargetHandle refs_[2] = {};
};

}  // namespace paramshape

// The tagged parameter list that follows a ParamBlockDesc2's header arguments, closing p_end
// included. `satScale` is the saturation spinner's scale.
// clang-format off
#define PARAMS_SHAPED_PARAMETERS(satScale)                                                   \
    paramshape::kPreset, L"preset", TYPE_INT, P_ANIMATABLE + P_RESET_DEFAULT, 11,           \
        p_default, 6,                                                                       \
        p_ui, TYPE_INT_COMBOBOX, 1001, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,      \
        p_vals, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10,                                           \
        p_end,                                                                              \
    paramshape::kNR, L"nrvalue", TYPE_FLOAT, P_ANIMATABLE, 5,                               \
        p_default, 0.27105f, p_range, 0.0f, 100.0f,                                         \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1490, 1496, 0.001f, p_end,                      \
    paramshape::kNG, L"ngvalue", TYPE_FLOAT, P_ANIMATABLE, 6,                               \
        p_default, 0.97907f, p_range, 0.0f, 100.0f,                                         \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1491, 1497, 0.001f, p_end,                      \
    paramshape::kNB, L"nbvalue", TYPE_FLOAT, P_ANIMATABLE, 7,                               \
        p_default, 1.2171f, p_range, 0.0f, 100.0f,                                          \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1492, 1498, 0.001f, p_end,                      \
    paramshape::kKR, L"krvalue", TYPE_FLOAT, P_ANIMATABLE, 8,                               \
        p_default, 3.6092f, p_range, 0.0f, 100.0f,                                          \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1493, 1499, 0.001f, p_end,                      \
    paramshape::kKG, L"kgvalue", TYPE_FLOAT, P_ANIMATABLE, 9,                               \
        p_default, 2.369f, p_range, 0.0f, 100.0f,                                           \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1494, 1500, 0.001f, p_end,                      \
    paramshape::kKB, L"kbvalue", TYPE_FLOAT, P_ANIMATABLE, 10,                              \
        p_default, 2.2908f, p_range, 0.0f, 100.0f,                                          \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1495, 1501, 0.001f, p_end,                      \
    paramshape::kGamma, L"gamma", TYPE_FLOAT, P_ANIMATABLE, 23,                             \
        p_default, 1.0f, p_range, 0.05f, 20.0f,                                             \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1502, 1503, 0.01f, p_end,                       \
    paramshape::kHue, L"hue", TYPE_FLOAT, P_ANIMATABLE, 24,                                 \
        p_default, 0.0f, p_range, -180.0f, 180.0f,                                          \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1504, 1505, 0.1f, p_end,                        \
    paramshape::kSat, L"sat", TYPE_FLOAT, P_ANIMATABLE, 25,                                 \
        p_default, 0.0f, p_range, -100.0f, 100.0f,                                          \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 1506, 1507, satScale, p_end,                    \
    paramshape::kOutput, L"output", TYPE_REFTARG, P_OWNERS_REF, 27,                         \
        p_refno, 1, p_end,                                                                  \
    p_end
// clang-format on
