// The texture's parameter block "params": its IDs and its declared descriptor.
#pragma once

#include <iparamb2.h>

namespace veltrane_params {

constexpr BlockID kBlockId = 0;

// Parameter IDs of block "params". No parameter has ID 10.
enum : ParamID {
    kPreset = 0,
    kNRed = 1,
    kNGreen = 2,
    kNBlue = 3,
    kKRed = 4,
    kKGreen = 5,
    kKBlue = 6,
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
