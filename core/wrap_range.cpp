// The out-of-range half of WrapRange: one period for nearby values, exact reduction for far ones.
#include "core/wrap_range.h"

#include <cmath>

namespace veltrane::detail {

float WrapRangeOutside(float x, float lo, float hi) {
    double v = static_cast<double>(x);
    const double low = static_cast<double>(lo);
    const double high = static_cast<double>(hi);
    if (low > high) return x;
    if (std::isnan(v)) return x;
    if (std::isinf(v)) return lo;
    const double width = high - low;
    if (!(width > 0.0)) {
        // Empty range: stepping by a zero width would never arrive. A NaN bound leaves x.
        return width == 0.0 ? lo : x;
    }

    // More than one width away, a loop of additions would take up to 2^280 steps, or none
    // at all once the width drops below the spacing of doubles near x. fmod is exact, so
    // v - r is a whole multiple of the width; one fused step then moves r next to lo with a
    // single rounding, and the loops below finish in one or two steps.
    if (std::isfinite(width) && !(v >= low - width && v < high + width)) {
        const double r = std::fmod(v, width);
        const double periods = std::ceil((low - r) / width);
        v = std::fma(periods, width, r);
    }

    while (v < low) v += width;
    while (v >= high) v -= width;
    return static_cast<float>(v);
}

}  // namespace veltrane::detail
