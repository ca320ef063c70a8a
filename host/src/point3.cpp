// Point3's conversions from the types that know it.
#include <Geom/acolor.h>
#include <Geom/color.h>
#include <Geom/point3.h>
#include <Geom/point4.h>

Point3::Point3(const Color& c) : x(c.r), y(c.g), z(c.b) {}
Point3::Point3(const AColor& c) : x(c.r), y(c.g), z(c.b) {}
Point3::Point3(const Point4& p) : x(p.x), y(p.y), z(p.z) {}
