// Unpolarised Fresnel reflectance of a conductor from its complex index of refraction.
#pragma once

#include "core/complex_ior.h"
#include "core/force_inline.h"
#include "core/types.h"

namespace veltrane {

/// Reflectance of one channel of a conductor with index n + ik (relative to the outside
/// medium) at facing value mu, the cosine of the angle of incidence (>= 0; values above 1
/// from non-unit vectors are taken as they are).
///
/// The usual closed form that folds n^2 + k^2 into one term: the mean of the s- and
/// p-polarised terms. Exact at normal incidence, ((n-1)^2 + k^2) / ((n+1)^2 + k^2).
/// Every operation is single precision in a fixed order so that results are reproducible
/// bit for bit. The result is clamped into [0, 1]; a NaN input gives a NaN reflectance
/// (what the colour adjustment makes of it: see EvalReflectance).
/// n = k = mu = 0 (or inputs so small that every term underflows) would make the s term
/// 0/0; it takes its limit 1 instead, so such a sample is white like every grazing view.
/// Inputs so large that the terms overflow take their limit 1 as well.
inline float FresnelConductor(float n, float k, float mu) {
    const float t = k * k + n * n;
    const float a = (n + n) * mu;
    const float mu2 = mu * mu;
    const float tMu2 = (t * mu) * mu;
    const float numS = (t - a) + mu2;
    const float denS = (a + t) + mu2;
    const float rs = (numS == 0.0f && denS == 0.0f) ? 1.0f : numS / denS;
    const float rp = ((tMu2 - a) + 1.0f) / ((a + tMu2) + 1.0f);
    float r = (rs + rp) * 0.5f;
    // Huge or infinite inputs (the facing value of long non-unit vectors, an index far out
    // of range) overflow into inf / inf or inf - inf. Every term tends to 1 there, so the
    // reflectance does; only a NaN input still gives NaN.
    if (r != r && n == n && k == k && mu == mu) r = 1.0f;
    if (r > 1.0f) r = 1.0f;
    if (0.0f > r) r = 0.0f;
    return r;
}

/// FresnelConductor per channel: red, green and blue from the matching n and k, alpha 1.
AColor FresnelConductorColor(float mu, ComplexIOR ior);

namespace detail {

// The body of FresnelConductorColor, inline for the per-sample path.
VELTRANE_FORCE_INLINE AColor FresnelConductorColorInline(float mu, const ComplexIOR& ior) {
    AColor c;
    c.r = FresnelConductor(ior.nR, ior.kR, mu);
    c.g = FresnelConductor(ior.nG, ior.kG, mu);
    c.b = FresnelConductor(ior.nB, ior.kB, mu);
    c.a = 1.0f;
    return c;
}

}  // namespace detail

}  // namespace veltrane
