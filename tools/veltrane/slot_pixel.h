// One pixel of a sample slot: the sphere's colour at the pixel's centre, or averaged over the
// part of the pixel the sphere covers on its outline. Any evaluator of the map can shade it:
// the loaded plug-in module in the preview command, the shading core in the workbench page.
#pragma once

#include <cstdint>

#include "core/types.h"
#include "tools/veltrane/lit_metal.h"
#include "tools/veltrane/sample_slot.h"
#include "tools/veltrane/srgb_pixel.h"

namespace veltrane::tools {

/// What a pixel of the sphere shows: the map's colour itself, or a mirror metal with the
/// map as its specular colour (lit_metal.h).
enum class SlotShading { kMap, kLitMetal };

/// The pixel (x, y) as 32-bit premultiplied ARGB (srgb_pixel.h), 0 where the sphere is not.
/// evalColor(normal) gives the map's AColor for a unit normal seen along kSlotView; samples
/// counts its calls.
template <class EvalColor>
std::uint32_t ShadeSlotPixel(const SlotGeometry& geometry, SlotShading shading, int x, int y,
                             const EvalColor& evalColor, std::uint64_t& samples) {
    const auto sample = [&](const Point3& normal) -> Color {
        const AColor c = evalColor(normal);
        if (shading == SlotShading::kLitMetal) return MirrorMetal(c, normal, kSlotView);
        return {c.r, c.g, c.b};
    };
    switch (geometry.PixelCoverage(x, y)) {
        case Coverage::kNone:
            return 0;
        case Coverage::kFull:
            ++samples;
            return PremultipliedArgb(sample(*geometry.NormalAt(x + 0.5, y + 0.5)), 1.0f);
        case Coverage::kPartial:
            break;
    }
    constexpr int n = kRimSamplesPerAxis;
    Color sum{0.0f, 0.0f, 0.0f};
    int hits = 0;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const auto normal = geometry.NormalAt(x + (i + 0.5) / n, y + (j + 0.5) / n);
            if (!normal) continue;
            const Color c = sample(*normal);
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
            ++hits;
        }
    }
    samples += static_cast<std::uint64_t>(hits);
    if (hits == 0) return 0;
    const float h = static_cast<float>(hits);
    return PremultipliedArgb({sum.r / h, sum.g / h, sum.b / h}, h / (n * n));
}

}  // namespace veltrane::tools
