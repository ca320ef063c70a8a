// AColor's out-of-line members (the clamps and the RGB-value constructor) and Color's
// conversion from it. The clamps' comparisons are false for a NaN, so a NaN component stays.
#include <Geom/acolor.h>

namespace {
void ClampAbove(float& v) {
    if (v > 1.0f) v = 1.0f;
}
void ClampBelow(float& v) {
    if (0.0f > v) v = 0.0f;
}
}  // namespace

Color::Color(const AColor& c) : r(c.r), g(c.g), b(c.b) {}

namespace {
float Channel(std::uint32_t rgb, int shift) {
    return static_cast<float>((rgb >> shift) & 0xffu) / 255.0f;
}
}  // namespace

AColor::AColor(std::uint32_t rgb, float alph)
    : r(Channel(rgb, 0)), g(Channel(rgb, 8)), b(Channel(rgb, 16)), a(alph) {}

void AColor::ClampMax() {
    ClampAbove(r), ClampAbove(g), ClampAbove(b), ClampAbove(a);
}
void AColor::ClampMin() {
    ClampBelow(r), ClampBelow(g), ClampBelow(b), ClampBelow(a);
}
void AColor::ClampMinMax() {
    ClampMax();
    ClampMin();
}
