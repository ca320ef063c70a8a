// Bringing a value into a half-open range by whole periods.
#pragma once

namespace veltrane {

namespace detail {
float WrapRangeOutside(float x, float lo, float hi);
}  // namespace detail

/// x moved into [lo, hi) by whole multiples of the width hi - lo, computed in double
/// precision and rounded to single at the end, so the result can be hi itself (-1e-9 in
/// [0, 360) becomes 360). A value within one width of the range takes exactly one
/// addition or subtraction of the width; larger magnitudes are first reduced exactly.
///
/// Edges: lo > hi returns x; a NaN x is returned as it is; an infinite x returns lo;
/// lo == hi (an empty range that no period can reach) returns lo.
inline float WrapRange(float x, float lo, float hi) {
    // Inside already: the round trip through double would give x back bit for bit.
    if (x >= lo && x < hi) return x;
    // One width off, the common case of a hue shift: a single step lands inside. Anything
    // else (NaN, infinities, far values, odd bounds) fails these comparisons.
    const double v = static_cast<double>(x);
    const double low = static_cast<double>(lo);
    const double high = static_cast<double>(hi);
    const double width = high - low;
    const double up = v + width;
    if (v < low && up >= low && up < high) return static_cast<float>(up);
    const double down = v - width;
    if (v >= high && down < high && down >= low) return static_cast<float>(down);
    return detail::WrapRangeOutside(x, lo, hi);
}

}  // namespace veltrane
