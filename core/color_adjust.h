// Hue, saturation and gamma adjustment of a colour through HSL space.
#pragma once

#include "core/types.h"

namespace veltrane {

/// Hue in degrees [0, 360] (360 only through rounding), saturation >= 0 (may exceed 1
/// after a saturation increase), lightness >= 0.
struct Hsl {
    float h = 0.0f, s = 0.0f, l = 0.0f;
};

/// RGB to HSL. Channels closer than 1e-5 get hue 0; saturation is 0 only for exactly
/// equal channels or zero lightness, so near-greys keep a small saturation.
Hsl RGBtoHSL(float r, float g, float b);

/// One channel of HSL to RGB: the piecewise-linear hue ramp between p and q, hue position
/// t in turns (wrapped into [0, 1)). A NaN position gives p.
float HueToChannel(float p, float q, float t);

/// HSL to RGB; each channel is kept >= 0 but not clamped from above.
Color HSLtoRGB(float h, float s, float l);

/// The user's colour controls: adds hue (degrees) to the hue and sat / 100 to the
/// saturation (floored at 0, no upper bound), converts back, raises every channel to the
/// power gamma, and clamps all four components into [0, 1]. Alpha is carried through.
/// Neutral settings (0, 0, 1) return the colour up to rounding, not bit for bit.
AColor AdjustColor(AColor col, float hue, float sat, float gamma);

}  // namespace veltrane
