// Stand-in: Box3, an axis-aligned bounding box; empty (min above max) until points are added.
#pragma once

#include "point3.h"

class Box3 {
  public:
    Point3 pmin{1e30f, 1e30f, 1e30f};
    Point3 pmax{-1e30f, -1e30f, -1e30f};

    Box3() = default;
    Box3(const Point3& p, const Point3& q) : pmin(p), pmax(q) {}

    void Init() { *this = Box3(); }
    bool IsEmpty() const { return pmin.x > pmax.x || pmin.y > pmax.y || pmin.z > pmax.z; }
    Point3 Min() const { return pmin; }
    Point3 Max() const { return pmax; }
};
