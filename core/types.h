// Value types of the shading core: colours, points, time and validity intervals.
// They mirror the host's types field for field; the plug-in converts at its boundary.
#pragma once

#include <cstdint>

namespace veltrane {

/// Animation time in ticks.
using TimeValue = std::int32_t;

constexpr TimeValue kTimeNegInfinity = INT32_MIN;
constexpr TimeValue kTimePosInfinity = INT32_MAX;

/// A point or direction, 32-bit floats.
struct Point3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

/// An RGB triple, 32-bit floats.
struct Color {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

/// An RGBA colour, 32-bit floats; alpha defaults to opaque.
struct AColor {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;

    /// Clamps all four components into [0, 1]. A NaN component fails both comparisons and
    /// stays NaN: the clamp does not hide a poisoned value.
    void ClampMinMax() {
        ClampUnit(r);
        ClampUnit(g);
        ClampUnit(b);
        ClampUnit(a);
    }

  private:
    static void ClampUnit(float& v) {
        if (v < 0.0f) {
            v = 0.0f;
        } else if (v > 1.0f) {
            v = 1.0f;
        }
    }
};

/// The mono value of a colour: the plain average of r, g and b, alpha left out.
inline float Mono(const AColor& c) {
    return (c.r + c.g + c.b) / 3.0f;
}

/// A closed span of time [start, end]. Forever() holds every time but kTimeNegInfinity;
/// Never() (both ends kTimeNegInfinity) holds none.
class Interval {
  public:
    constexpr Interval() = default;  // empty, like Never()
    constexpr Interval(TimeValue s, TimeValue e) : start(s), end(e) {}

    static constexpr Interval Forever() { return {kTimeNegInfinity, kTimePosInfinity}; }
    static constexpr Interval Never() { return {kTimeNegInfinity, kTimeNegInfinity}; }

    constexpr TimeValue Start() const { return start; }
    constexpr TimeValue End() const { return end; }
    constexpr bool Empty() const { return start == kTimeNegInfinity && end == kTimeNegInfinity; }

    /// start <= t <= end; kTimeNegInfinity is never inside, so Never() contains nothing.
    constexpr bool InInterval(TimeValue t) const {
        return start <= t && t <= end && t != kTimeNegInfinity;
    }

    /// Intersection: the later start and the earlier end; empty (Never()) when they cross.
    constexpr Interval operator&(const Interval& other) const {
        const TimeValue s = start > other.start ? start : other.start;
        const TimeValue e = end < other.end ? end : other.end;
        return e < s ? Never() : Interval(s, e);
    }
    constexpr Interval& operator&=(const Interval& other) { return *this = *this & other; }

    constexpr bool operator==(const Interval& other) const {
        return start == other.start && end == other.end;
    }
    constexpr bool operator!=(const Interval& other) const { return !(*this == other); }

  private:
    TimeValue start = kTimeNegInfinity;
    TimeValue end = kTimeNegInfinity;
};

}  // namespace veltrane
