// The complex index of refraction n + ik of a metal, one pair per colour channel.
#pragma once

#include <cstddef>

namespace veltrane {

/// Complex index of refraction per channel: n is the real part, k the extinction
/// coefficient. Six 32-bit floats in this order; the plug-in's parameters 1 to 6 follow it.
struct ComplexIOR {
    float nR = 0.0f, nG = 0.0f, nB = 0.0f;
    float kR = 0.0f, kG = 0.0f, kB = 0.0f;

    /// n and k of channel c: 0 red, 1 green, 2 blue.
    float n(std::size_t c) const { return this->*NField(c); }
    float k(std::size_t c) const { return this->*KField(c); }
    float& n(std::size_t c) { return this->*NField(c); }
    float& k(std::size_t c) { return this->*KField(c); }

  private:
    static float ComplexIOR::*NField(std::size_t c) {
        constexpr float ComplexIOR::*kFields[3] = {&ComplexIOR::nR, &ComplexIOR::nG,
                                                   &ComplexIOR::nB};
        return kFields[c];
    }
    static float ComplexIOR::*KField(std::size_t c) {
        constexpr float ComplexIOR::*kFields[3] = {&ComplexIOR::kR, &ComplexIOR::kG,
                                                   &ComplexIOR::kB};
        return kFields[c];
    }
};

}  // namespace veltrane
