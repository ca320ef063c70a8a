// Stand-in: IPoint2, a 2D vector of ints (screen coordinates).
#pragma once

class IPoint2 {
  public:
    int x = 0, y = 0;

    IPoint2() = default;
    constexpr IPoint2(int X, int Y) : x(X), y(Y) {}

    constexpr bool operator==(const IPoint2& p) const { return x == p.x && y == p.y; }
    constexpr bool operator!=(const IPoint2& p) const { return !(*this == p); }
};
