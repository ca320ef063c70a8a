// Stand-in: AColor, an RGBA colour of floats.
#pragma once

#include "../standin/exports.h"
#include "color.h"
#include "point4.h"

#include <cstdint>

class AColor {
  public:
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;

    AColor() = default;
    AColor(float R, float G, float B, float A = 1.0f) : r(R), g(G), b(B), a(A) {}
    AColor(double R, double G, double B, double A = 1.0)
        : r(static_cast<float>(R)),
          g(static_cast<float>(G)),
          b(static_cast<float>(B)),
          a(static_cast<float>(A)) {}
    // Alpha defaults to 0 for the integer form, as in the host.
    AColor(int R, int G, int B, int A = 0)
        : r(static_cast<float>(R)),
          g(static_cast<float>(G)),
          b(static_cast<float>(B)),
          a(static_cast<float>(A)) {}
    AColor(const Color& c, float alph = 1.0f) : r(c.r), g(c.g), b(c.b), a(alph) {}
    // A Windows RGB value: red in the low byte, each channel scaled from 0-255 to 0-1.
    GEOMEXPORT explicit AColor(std::uint32_t rgb, float alph = 1.0f);
    AColor(const Point4& p) : r(p.x), g(p.y), b(p.z), a(p.w) {}
    explicit AColor(float af[4]) : r(af[0]), g(af[1]), b(af[2]), a(af[3]) {}

    GEOMEXPORT void ClampMax();     // every component <= 1
    GEOMEXPORT void ClampMin();     // every component >= 0
    GEOMEXPORT void ClampMinMax();  // every component, alpha included, into [0, 1]

    float& operator[](int i) { return (&r)[i]; }
    const float& operator[](int i) const { return (&r)[i]; }
    constexpr bool operator==(const AColor& c) const {
        return r == c.r && g == c.g && b == c.b && a == c.a;
    }
    constexpr bool operator!=(const AColor& c) const { return !(*this == c); }
};

static inline float Intens(const AColor& c) {
    return (c.r + c.g + c.b) / 3.0f;
}
