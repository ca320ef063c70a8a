// The exact unpolarised Fresnel reflectance of a conductor, the reference for the map's
// closed form.
#pragma once

namespace veltrane::tools {

/// Reflectance of a surface of complex index n + ik (relative to the outside medium) at
/// facing value mu, the cosine of the angle of incidence, clamped into [0, 1]: the mean of
/// the s- and p-polarised terms of Fresnel's equations, without approximation. Real
/// arithmetic in double precision (complex division would be slower and lose digits).
/// k = 0 gives the dielectric result, total reflection included for n < 1. At mu = 0 the
/// result is 1; a term that would be 0/0 (n = 1, k = 0 at grazing view) takes that limit.
double ExactConductorReflectance(double n, double k, double mu);

}  // namespace veltrane::tools
