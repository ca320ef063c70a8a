// EvalReflectance: facing value, conductor reflectance, colour adjustment.
#include "core/evaluation.h"

#include <cmath>

#include "core/color_adjust_inline.h"
#include "core/fresnel.h"

namespace veltrane {

namespace {

bool IsFinite(const Point3& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

}  // namespace

AColor EvalReflectance(const Point3& n, const Point3& v, const ParamSnapshot& params) {
    // |N.V|, summed in this order so that every caller gets the same bits.
    float mu = std::fabs(-(v.x * n.x) - n.y * v.y - n.z * v.z);
    // Finite vectors so long that their products overflow can sum to inf - inf: the facing
    // value lies beyond every float, and the reflectance takes its limit there.
    if (mu != mu && IsFinite(n) && IsFinite(v)) mu = INFINITY;
    // FresnelConductorColor and AdjustColor, inlined: a sample is one chain of dependent
    // steps, and passing colours between calls would lengthen it.
    const ComplexIOR ior = params.ior;
    const AColor f = detail::FresnelConductorColorInline(mu, ior);
    return detail::AdjustColorInline(f, params.hue, params.sat, params.gamma);
}

}  // namespace veltrane
