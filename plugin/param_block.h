// The texture's parameter block "params": its IDs and its declared descriptor.
#pragma once

#include <iparamb2.h>

#include "core/param_ids.h"

namespace veltrane_params {

constexpr BlockID kBlockId = veltrane::kParamsBlockId;

// Parameter IDs of block "params" under the plug-in's names.
enum : ParamID {
    kPreset = veltrane::kParamPreset,
    kNRed = veltrane::kParamNR,
    kNGreen = veltrane::kParamNG,
    kNBlue = veltrane::kParamNB,
    kKRed = veltrane::kParamKR,
    kKGreen = veltrane::kParamKG,
    kKBlue = veltrane::kParamKB,
    kGamma = veltrane::kParamGamma,
    kHue = veltrane::kParamHue,
    kSat = veltrane::kParamSat,
    kOutput = veltrane::kParamOutput,
};

// Reference numbers of the texture map that the block names.
constexpr int kBlockRef = 0;
constexpr int kOutputRef = 1;

}  // namespace veltrane_params

// The one block descriptor, declared once for the module.
extern ParamBlockDesc2 veltraneParamBlockDesc;
