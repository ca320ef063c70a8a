// Per-channel conductor reflectance as a colour; the body is inline in fresnel.h.
#include "core/fresnel.h"

namespace veltrane {

AColor FresnelConductorColor(float mu, ComplexIOR ior) {
    return detail::FresnelConductorColorInline(mu, ior);
}

}  // namespace veltrane
