// The public colour-adjustment functions; their bodies are in color_adjust_inline.h.
#include "core/color_adjust.h"

#include "core/color_adjust_inline.h"

namespace veltrane {

Hsl RGBtoHSL(float r, float g, float b) {
    return detail::ToHsl(r, g, b);
}

float HueToChannel(float p, float q, float t) {
    return detail::HueRamp(p, q, t);
}

Color HSLtoRGB(float h, float s, float l) {
    return detail::FromHsl(h, s, l);
}

AColor AdjustColor(AColor col, float hue, float sat, float gamma) {
    return detail::AdjustColorInline(col, hue, sat, gamma);
}

}  // namespace veltrane
