// The parameters of a block declared the way the texture declares its "params": a preset
// combo box, nine float spinners with ranges and scales, and the owner's texture output as
// reference 1. Shared by the host tests that need a plug-in-shaped block without the plug-in.
#pragma once

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
