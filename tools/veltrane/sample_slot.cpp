// Which pixels of a slot see the sphere, and the normal and facing value each one sees.
#include "tools/veltrane/sample_slot.h"

#include <algorithm>
#include <cmath>

namespace veltrane::tools {
namespace {

// The sphere fills most of the tile and leaves a margin of background around it.
constexpr double kRadiusOfSize = 0.44;

// Distance from c to the nearest point of the interval [low, high].
double Gap(double c, double low, double high) {
    return std::max({low - c, 0.0, c - high});
}

// Distance from c to the farthest point of [low, high].
double Reach(double c, double low, double high) {
    return std::max(std::fabs(c - low), std::fabs(c - high));
}

}  // namespace

SlotGeometry::SlotGeometry(int tileSize)
    : size(tileSize), centre(tileSize / 2 + 0.5), radius(kRadiusOfSize * tileSize) {}

Coverage SlotGeometry::PixelCoverage(int x, int y) const {
    const double gx = Gap(centre, x, x + 1.0), gy = Gap(centre, y, y + 1.0);
    if (gx * gx + gy * gy >= radius * radius) return Coverage::kNone;
    const double rx = Reach(centre, x, x + 1.0), ry = Reach(centre, y, y + 1.0);
    return rx * rx + ry * ry <= radius * radius ? Coverage::kFull : Coverage::kPartial;
}

std::optional<Point3> SlotGeometry::NormalAt(double px, double py) const {
    const double u = (px - centre) / radius;
    const double v = (centre - py) / radius;  // y up in the scene
    const double r2 = u * u + v * v;
    if (r2 >= 1.0) return std::nullopt;
    return Point3{static_cast<float>(u), static_cast<float>(v),
                  static_cast<float>(std::sqrt(1.0 - r2))};
}

}  // namespace veltrane::tools
