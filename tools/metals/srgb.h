// Linear colour values to the sRGB encoding.
#pragma once

#include <cstdint>

namespace veltrane::tools {

/// A linear value clamped into [0, 1] (NaN counts as 0: no light), encoded with the sRGB
/// transfer curve: 0 to 1.
double SrgbEncoded(double linear);

/// The 8-bit sRGB code nearest to a linear value clamped into [0, 1], nearest in the encoded
/// scale; NaN gives 0 as SrgbEncoded does, so a fault upstream shows black rather than an
/// arbitrary code. What a display expects, as the host's colour-managed sample slot shows it.
std::uint8_t SrgbByte(double linear);

}  // namespace veltrane::tools
