// Stand-in: Point3, a 3D vector of floats. Float, double and int constructors coexist as in
// the host, so mixed literal types are ambiguous here too.
#pragma once

#include "../standin/exports.h"

class Point3 {
public:
    float x = 0.0f, y = 0.0f, z = 0.0f;

    Point3() = default;
    constexpr Point3(float X, float Y, float Z) : x(X), y(Y), z(Z) {}
    constexpr Point3(double X, double Y, double Z)
        : x(static_cast<float>(X)), y(static_cast<float>(Y)), z(static_cast<float>(Z)) {}
    constexpr Point3(int X, int Y, int Z)
        : x(static_cast<float>(X)), y(static_cast<float>(Y)), z(static_cast<float>(Z)) {}
    constexpr explicit Point3(const float af[3]) : x(af[0]), y(af[1]), z(af[2]) {}

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
