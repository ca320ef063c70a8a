// Stand-in: Point2, a 2D vector of floats (float, double and int constructors, as Point3).
#pragma once

class Point2 {
  public:
    float x = 0.0f, y = 0.0f;

    Point2() = default;
    constexpr Point2(float X, float Y) : x(X), y(Y) {}
    constexpr Point2(double X, double Y) : x(static_cast<float>(X)), y(static_cast<float>(Y)) {}
    constexpr Point2(int X, int Y) : x(static_cast<float>(X)), y(static_cast<float>(Y)) {}

    constexpr bool operator==(const Point2& p) const { return x == p.x && y == p.y; }
    constexpr bool operator!=(const Point2& p) const { return !(*this == p); }
};
