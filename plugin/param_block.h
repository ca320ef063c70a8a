// The texture's parameter block "params": its IDs and its declared descriptor.
#pragma once

#include <iparamb2.h>

#include "core/param_store.h"

namespace veltrane_params {

constexpr BlockID kBlockId = 0;

// Parameter IDs of block "params". No parameter has ID 10.
enum : ParamID {
    kPreset = 0,
    // The six n/k values are the ones the core's ApplyPreset writes.
    kNRed = veltrane::kParamNR,
    kNGreen = veltrane::kParamNG,
    kNBlue = veltrane::kParamNB,
    kKRed = veltrane::kParamKR,
    kKGreen = veltrane::kParamKG,
    kKBlue = veltrane::kParamKB,
    kGamma = 7,
    kHue = 8,
    kSat = 9,
    kOutput = 11,
};

// Reference numbers of the texture map that the block names.
constexpr int kBlockRef = 0;
constexpr int kOutputRef = 1;

}  // namespace veltrane_params

// The one block descriptor, declared once for the module.
extern ParamBlockDesc2 veltraneParamBlockDesc;
