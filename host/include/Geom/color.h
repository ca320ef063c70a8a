// Stand-in: Color, an RGB triple of floats.
#pragma once

#include "../standin/exports.h"
#include "point3.h"

class AColor;

class Color {
  public:
    float r = 0.0f, g = 0.0f, b = 0.0f;

    Color() = default;
    Color(float R, float G, float B) : r(R), g(G), b(B) {}
    Color(double R, double G, double B)
        : r(static_cast<float>(R)), g(static_cast<float>(G)), b(static_cast<float>(B)) {}
    Color(int R, int G, int B)
        : r(static_cast<float>(R)), g(static_cast<float>(G)), b(static_cast<float>(B)) {}
    Color(const Point3& p) : r(p.x), g(p.y), b(p.z) {}
    GEOMEXPORT Color(const AColor& c);

    float& operator[](int i) { return (&r)[i]; }
    const float& operator[](int i) const { return (&r)[i]; }
    constexpr bool operator==(const Color& c) const { return r == c.r && g == c.g && b == c.b; }
    constexpr bool operator!=(const Color& c) const { return !(*this == c); }
};
