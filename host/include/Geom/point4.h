// Stand-in: Point4, a 4D vector of floats (float, double and int constructors, as Point3).
#pragma once

class Point4 {
  public:
    float x = 0.0f, y = 0.0f, z = 0.0f, w = 0.0f;

    Point4() = default;
    constexpr Point4(float X, float Y, float Z, float W) : x(X), y(Y), z(Z), w(W) {}
    constexpr Point4(double X, double Y, double Z, double W)
        : x(static_cast<float>(X)),
          y(static_cast<float>(Y)),
          z(static_cast<float>(Z)),
          w(static_cast<float>(W)) {}
    constexpr Point4(int X, int Y, int Z, int W)
        : x(static_cast<float>(X)),
          y(static_cast<float>(Y)),
          z(static_cast<float>(Z)),
          w(static_cast<float>(W)) {}

    constexpr bool operator==(const Point4& p) const {
        return x == p.x && y == p.y && z == p.z && w == p.w;
    }
    constexpr bool operator!=(const Point4& p) const { return !(*this == p); }
};
