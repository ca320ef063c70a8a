// Conversions between the host's value types and the shading core's own, at the boundary
// between plug-in and core. Field for field; no arithmetic.
#pragma once

#include <max.h>

#include "core/types.h"

inline veltrane::Point3 ToCore(const Point3& p) {
    return {p.x, p.y, p.z};
}

inline veltrane::AColor ToCore(const AColor& c) {
    return {c.r, c.g, c.b, c.a};
}

inline AColor ToHost(const veltrane::AColor& c) {
    return AColor(c.r, c.g, c.b, c.a);
}

inline veltrane::Interval ToCore(const Interval& i) {
    return {i.Start(), i.End()};
}

inline Interval ToHost(const veltrane::Interval& i) {
    Interval result;
    result.Set(i.Start(), i.End());  // Set keeps the ends as they are, NEVER included
    return result;
}
