// The complex index of refraction n + ik of a metal, one pair per colour channel.
#pragma once

namespace veltrane {

/// Complex index of refraction per channel: n is the real part, k the extinction
/// coefficient. Six 32-bit floats in this order; the plug-in's parameters 1 to 6 follow it.
struct ComplexIOR {
    float nR = 0.0f, nG = 0.0f, nB = 0.0f;
    float kR = 0.0f, kG = 0.0f, kB = 0.0f;
};

}  // namespace veltrane
