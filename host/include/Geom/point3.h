// Stand-in: Point3, a 3D vector of floats. Float, double and int constructors coexist as in
// the host, so mixed literal types are ambiguous here too; the conversions from the colours
// and Point4 are implicit, so an overload set taking both Point3 and Color is ambiguous for
// an AColor, as in the host.
#pragma once

#include "../standin/exports.h"

class Color;
class AColor;
class Point4;

class Point3 {
  public:
    float x = 0.0f, y = 0.0f, z = 0.0f;

    Point3() = default;
    constexpr Point3(float X, float Y, float Z) : x(X), y(Y), z(Z) {}
    constexpr Point3(double X, double Y, double Z)
        : x(static_cast<float>(X)), y(static_cast<float>(Y)), z(static_cast<float>(Z)) {}
    constexpr Point3(int X, int Y, int Z)
        : x(static_cast<float>(X)), y(static_cast<float>(Y)), z(static_cast<float>(Z)) {}
    constexpr Point3(const float af[3]) : x(af[0]), y(af[1]), z(af[2]) {}
    // Implicit, as in the host: a colour's r, g, b or a 4D point's x, y, z.
    GEOMEXPORT Point3(const Color& c);
    GEOMEXPORT Point3(const AColor& c);
    GEOMEXPORT Point3(const Point4& p);

    float& operator[](int i) { return (&x)[i]; }
    const float& operator[](int i) const { return (&x)[i]; }

    constexpr float DotProd(const Point3& p) const { return x * p.x + y * p.y + z * p.z; }
    constexpr float operator%(const Point3& p) const { return DotProd(p); }
    constexpr Point3 operator-() const { return Point3(-x, -y, -z); }
    constexpr Point3 operator+(const Point3& p) const { return Point3(x + p.x, y + p.y, z + p.z); }
    constexpr Point3 operator-(const Point3& p) const { return Point3(x - p.x, y - p.y, z - p.z); }
    constexpr Point3 operator*(float f) const { return Point3(x * f, y * f, z * f); }
    constexpr bool operator==(const Point3& p) const { return x == p.x && y == p.y && z == p.z; }
    constexpr bool operator!=(const Point3& p) const { return !(*this == p); }
};
