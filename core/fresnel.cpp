// Per-channel conductor reflectance as a colour.
#include "core/fresnel.h"

namespace veltrane {

AColor FresnelConductorColor(float mu, ComplexIOR ior) {
    AColor c;
    c.r = FresnelConductor(ior.nR, ior.kR, mu);
    c.g = FresnelConductor(ior.nG, ior.kG, mu);
    c.b = FresnelConductor(ior.nB, ior.kB, mu);
    c.a = 1.0f;
    return c;
}

}  // namespace veltrane
