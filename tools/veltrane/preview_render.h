// Rendering sample slots through loaded texture maps on several render threads.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/veltrane/plugin_evaluator.h"
#include "tools/veltrane/slot_pixel.h"

namespace veltrane::tools {

/// Square tiles of size x size pixels, one per map, each 32-bit premultiplied ARGB
/// (srgb_pixel.h), row by row; transparent where the sphere is not.
struct SlotPixels {
    int size = 0;
    std::vector<std::vector<std::uint32_t>> tiles;
    std::uint64_t samples = 0;  // EvalColor calls made
};

/// Called on the calling thread, about ten times a second, with the fraction done.
using RenderProgress = std::function<void(double fraction)>;

/// Renders one sample slot per map on `threads` render threads at once: bands of a few rows
/// of every tile go to whichever thread is free. Each map must be Updated already; EvalColor is all
/// that is called on it. The result does not depend on the number of threads.
SlotPixels RenderSlots(const std::vector<const PluginTexmap*>& maps, int size, SlotShading shading,
                       int threads, const RenderProgress& progress = {});

}  // namespace veltrane::tools
