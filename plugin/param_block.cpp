// The declared parameter block "params": every parameter with its type, flags, display
// string, default, range and rollout control. The host builds blocks and rollout from it.
#include "plugin/param_block.h"

#include "core/presets.h"
#include "plugin/veltrane_class_desc.h"
#include "resources/resource.h"

using namespace veltrane_params;

namespace {

// The defaults of the six n/k values are the default preset's row of the table; each float
// goes through the argument list promoted to a double that holds it exactly. The table is
// constant-initialised, so it is in place before this file's dynamic initialisation.
const veltrane::ComplexIOR& kDefaultIor = veltrane::FindMetalPreset(veltrane::kPresetDefault)->ior;

}  // namespace

// The parameter table keeps one line per clause of each parameter, as the host documents it.
// clang-format off
ParamBlockDesc2 veltraneParamBlockDesc(
    kBlockId, _M("params"), 0, GetVeltraneDesc(), P_AUTO_CONSTRUCT + P_AUTO_UI,
    /* reference number */ kBlockRef,
    /* rollout */ IDD_PARAMETERS, IDS_PARAMETERS, 0, 0, nullptr,

    kPreset, _M("preset"), TYPE_INT, P_ANIMATABLE + P_RESET_DEFAULT, IDS_PRESETS,
        p_default, veltrane::kPresetDefault,
        p_ui, TYPE_INT_COMBOBOX, IDC_PRESET, 11,
            IDS_PRESET_CUSTOM, IDS_PRESET_SILVER, IDS_PRESET_ALUMINIUM, IDS_PRESET_GOLD,
            IDS_PRESET_COBALT, IDS_PRESET_CHROMIUM, IDS_PRESET_COPPER, IDS_PRESET_IRON,
            IDS_PRESET_NICKEL, IDS_PRESET_PLATINUM, IDS_PRESET_TITANIUM,
        p_vals, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10,
        p_end,

    kNRed, _M("nrvalue"), TYPE_FLOAT, P_ANIMATABLE, IDS_NR,
        p_default, kDefaultIor.nR,
        p_range, 0.0, 100.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_NR_EDIT, IDC_NR_SPIN, 0.001,
        p_end,
    kNGreen, _M("ngvalue"), TYPE_FLOAT, P_ANIMATABLE, IDS_NG,
        p_default, kDefaultIor.nG,
        p_range, 0.0, 100.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_NG_EDIT, IDC_NG_SPIN, 0.001,
        p_end,
    kNBlue, _M("nbvalue"), TYPE_FLOAT, P_ANIMATABLE, IDS_NB,
        p_default, kDefaultIor.nB,
        p_range, 0.0, 100.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_NB_EDIT, IDC_NB_SPIN, 0.001,
        p_end,
    kKRed, _M("krvalue"), TYPE_FLOAT, P_ANIMATABLE, IDS_KR,
        p_default, kDefaultIor.kR,
        p_range, 0.0, 100.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_KR_EDIT, IDC_KR_SPIN, 0.001,
        p_end,
    kKGreen, _M("kgvalue"), TYPE_FLOAT, P_ANIMATABLE, IDS_KG,
        p_default, kDefaultIor.kG,
        p_range, 0.0, 100.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_KG_EDIT, IDC_KG_SPIN, 0.001,
        p_end,
    kKBlue, _M("kbvalue"), TYPE_FLOAT, P_ANIMATABLE, IDS_KB,
        p_default, kDefaultIor.kB,
        p_range, 0.0, 100.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_KB_EDIT, IDC_KB_SPIN, 0.001,
        p_end,

    kGamma, _M("gamma"), TYPE_FLOAT, P_ANIMATABLE, IDS_GAMMA,
        p_default, 1.0,
        p_range, 0.05, 20.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_GAMMA_EDIT, IDC_GAMMA_SPIN, 0.01,
        p_end,
    kHue, _M("hue"), TYPE_FLOAT, P_ANIMATABLE, IDS_HUE,
        p_default, 0.0,
        p_range, -180.0, 180.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_HUE_EDIT, IDC_HUE_SPIN, 0.1,
        p_end,
    kSat, _M("sat"), TYPE_FLOAT, P_ANIMATABLE, IDS_SATURATION,
        p_default, 0.0,
        p_range, -100.0, 100.0,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, IDC_SAT_EDIT, IDC_SAT_SPIN, 0.1,
        p_end,

    kOutput, _M("output"), TYPE_REFTARG, P_OWNERS_REF, IDS_OUTPUT,
        p_refno, kOutputRef,
        p_end,

    p_end);
// clang-format on
