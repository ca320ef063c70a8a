// The sample slot as the preview command draws it, as RGBA bytes for a page's canvas.
#pragma once

#include <cstdint>

#include "core/evaluation.h"
#include "tools/veltrane/slot_pixel.h"

namespace veltrane::web {

/// Renders the sphere over the checker, size x size pixels, row by row from the top, four
/// bytes (R, G, B, 255) each, into rgba, evaluating with the shading core. step > 1 shades
/// only the pixels whose x and y are multiples of step and fills each step x step block with
/// its top left pixel: a coarse picture while a control is dragged. The pixels shaded are
/// the ones a full render gives.
void RenderSlot(const ParamSnapshot& params, int size, tools::SlotShading shading, int step,
                std::uint8_t* rgba);

/// The colour of an opaque checker pixel under a premultiplied ARGB pixel (srgb_pixel.h),
/// composited as the preview's picture composites it: 8-bit "over" with rounding.
std::uint32_t OverChecker(std::uint32_t argb, std::uint8_t checkerGrey);

/// The checker's 8-bit grey at pixel (x, y) of a slot of size pixels.
std::uint8_t CheckerByte(int x, int y, int size);

}  // namespace veltrane::web
