// The geometry of a sample slot: a sphere seen by an orthographic camera looking down -z,
// in a square tile of pixels (x to the right, y down). The sphere's centre lies on the centre
// of pixel (size / 2, size / 2), so that pixel sees the sphere head-on.
#pragma once

#include <optional>

#include "core/types.h"

namespace veltrane::tools {

/// The camera's view direction, the same for every pixel of an orthographic view.
constexpr Point3 kSlotView{0.0f, 0.0f, -1.0f};

/// Samples per axis in a pixel that the sphere's outline crosses (4 x 4 in all).
constexpr int kRimSamplesPerAxis = 4;

/// How much of a pixel the sphere covers.
enum class Coverage { kNone, kFull, kPartial };

class SlotGeometry {
  public:
    explicit SlotGeometry(int size);

    int Size() const { return size; }
    /// Whether the pixel's square lies wholly outside, wholly inside or across the outline.
    Coverage PixelCoverage(int x, int y) const;
    /// The unit normal of the sphere under the point (px, py) of the tile, in pixel units with
    /// (0, 0) at the tile's top left corner; none where the point misses the sphere.
    std::optional<Point3> NormalAt(double px, double py) const;

  private:
    int size;
    double centre;  // of the sphere, in pixels along both axes
    double radius;  // in pixels
};

}  // namespace veltrane::tools
