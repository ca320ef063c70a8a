// Stand-in: AColor, an RGBA colour of floats.
#pragma once

#include "../standin/exports.h"
#include "color.h"

class AColor {
public:
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;

    AColor() = default;
    constexpr AColor(float R, float G, float B, float A = 1.0f) : r(R), g(G), b(B), a(A) {}
    constexpr AColor(double R, double G, double B, double A = 1.0)
        : r(static_cast<float>(R)), g(static_cast<float>(G)), b(static_cast<float>(B)),
          a(static_cast<float>(A)) {}
    // Alpha defaults to 0 for the integer form, as in the host.
    constexpr AColor(int R, int G, int B, int A = 0)
        : r(static_cast<float>(R)), g(static_cast<float>(G)), b(static_cast<float>(B)),
          a(static_cast<float>(A)) {}
    constexpr AColor(const Color& c, float alph = 1.0f) : r(c.r), g(c.g), b(c.b), a(alph) {}
    constexpr explicit AColor(float af[4]) : r(af[0]), g(af[1]), b(af[2]), a(af[3]) {}

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

static inline float Intens(const AColor& c) { return (c.r + c.g + c.b) / 3.0f; }
