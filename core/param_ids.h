// IDs of the texture's parameter block "params" and of its parameters, as scene files store
// them: shared by the shading core, the plug-in and the tools. Never renumber.
#pragma once

namespace veltrane {

/// The block's ID.
constexpr int kParamsBlockId = 0;

/// Parameter IDs of the block. No parameter has ID 10.
enum ParamId : int {
    kParamPreset = 0,
    // The six n/k values, in the order of ComplexIOR's fields.
    kParamNR = 1,
    kParamNG = 2,
    kParamNB = 3,
    kParamKR = 4,
    kParamKG = 5,
    kParamKB = 6,
    kParamGamma = 7,
    kParamHue = 8,
    kParamSat = 9,
    kParamOutput = 11,
};

}  // namespace veltrane
