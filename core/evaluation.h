// The host-independent half of a texture evaluation: parameter snapshot to adjusted colour.
#pragma once

#include "core/complex_ior.h"
#include "core/types.h"

namespace veltrane {

/// The evaluation parameters as the texture's Update read them, unconverted, with the
/// span of time over which they hold (Never() until the first fill and after a change).
struct ParamSnapshot {
    Interval validity = Interval::Never();
    ComplexIOR ior;
    float hue = 0.0f;    // degrees, parameter range -180 to 180
    float sat = 0.0f;    // percent, parameter range -100 to 100
    float gamma = 1.0f;  // the exponent itself, parameter range 0.05 to 20
};

/// The colour of one shading sample before the host's output stage: the conductor
/// reflectance at facing value |N.V| (neither vector normalised; front and back alike),
/// adjusted by the snapshot's hue, sat and gamma and clamped into [0, 1]. Alpha is 1.
/// A NaN parameter is not mended, but it does not simply pass through either: the HSL
/// conversion's max/min order keeps a NaN reflectance in red (the whole colour is NaN) and
/// drops one in green or blue (a grey of the other channels); a NaN hue gives that grey too,
/// a NaN saturation or gamma a NaN colour.
AColor EvalReflectance(const Point3& n, const Point3& v, const ParamSnapshot& params);

}  // namespace veltrane
