// EvalReflectance: facing value, conductor reflectance, colour adjustment.
#include "core/evaluation.h"

#include <cmath>

#include "core/color_adjust_inline.h"
#include "core/fresnel.h"

namespace veltrane {

AColor EvalReflectance(const Point3& n, const Point3& v, const ParamSnapshot& params) {
    // |N.V|, summed in this order so that every caller gets the same bits.
    const float mu = std::fabs(-(v.x * n.x) - n.y * v.y - n.z * v.z);
    // FresnelConductorColor and AdjustColor, inlined: a sample is one chain of dependent
    // steps, and passing colours between calls would lengthen it.
    const ComplexIOR ior = params.ior;
    const AColor f = detail::FresnelConductorColorInline(mu, ior);
    return detail::AdjustColorInline(f, params.hue, params.sat, params.gamma);
}

}  // namespace veltrane
