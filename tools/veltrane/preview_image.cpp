// Drawing sample slots over the checker with cairo, labelling a grid, and writing the PNG.
#include "tools/veltrane/preview_image.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "tools/veltrane/output_file.h"
#include "tools/veltrane/slot_checker.h"

namespace veltrane::tools {
namespace {

// Grey levels (sRGB) of the label strip.
constexpr double kStripGrey = 0.12;
constexpr double kLabelGrey = 0.88;
constexpr const char* kLabelFont = "DejaVu Sans";

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

int LabelHeight(int size) {
    return std::max(14, static_cast<int>(std::lround(size * 0.16)));
}

void DrawChecker(cairo_t* cr, double x0, double y0, int size) {
    for (int j = 0; j < kCheckerSquares; ++j) {
        for (int i = 0; i < kCheckerSquares; ++i) {
            const double grey = CheckerGrey(i, j);
            cairo_set_source_rgb(cr, grey, grey, grey);
            const double left = CheckerEdge(x0, size, i), top = CheckerEdge(y0, size, j);
            cairo_rectangle(cr, left, top, CheckerEdge(x0, size, i + 1) - left,
                            CheckerEdge(y0, size, j + 1) - top);
            cairo_fill(cr);
        }
    }
}

void DrawSlot(cairo_t* cr, const std::vector<std::uint32_t>& tile, int size, double x0, double y0) {
    DrawChecker(cr, x0, y0, size);
    // cairo reads the pixels in place; it never writes a surface used as a source.
    unsigned char* data =
        const_cast<unsigned char*>(reinterpret_cast<const unsigned char*>(tile.data()));
    const Surface sphere(cairo_image_surface_create_for_data(
                             data, CAIRO_FORMAT_ARGB32, size, size,
                             cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, size)),
                         cairo_surface_destroy);
    cairo_set_source_surface(cr, sphere.get(), x0, y0);
    cairo_paint(cr);
}

void DrawLabel(cairo_t* cr, const std::string& text, double x0, double y0, int width, int height) {
    cairo_set_source_rgb(cr, kStripGrey, kStripGrey, kStripGrey);
    cairo_rectangle(cr, x0, y0, width, height);
    cairo_fill(cr);
    cairo_select_font_face(cr, kLabelFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, height * 0.55);
    // Centred on the font's line, not on the ink, so that every label sits on one baseline.
    cairo_text_extents_t ink;
    cairo_text_extents(cr, text.c_str(), &ink);
    cairo_font_extents_t line;
    cairo_font_extents(cr, &line);
    cairo_set_source_rgb(cr, kLabelGrey, kLabelGrey, kLabelGrey);
    cairo_move_to(cr, x0 + (width - ink.x_advance) / 2,
                  y0 + (height - line.ascent - line.descent) / 2 + line.ascent);
    cairo_show_text(cr, text.c_str());
}

Surface DrawPicture(const SlotPixels& slots, const std::vector<std::string>& labels) {
    const int size = slots.size;
    const int count = static_cast<int>(slots.tiles.size());
    const bool grid = !labels.empty();
    const int columns = grid ? std::min(count, kGridColumns) : 1;
    const int rows = grid ? (count + kGridColumns - 1) / kGridColumns : 1;
    const int label = grid ? LabelHeight(size) : 0;
    Surface picture(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, columns * size, rows * (size + label)),
        cairo_surface_destroy);
    const Context cr(cairo_create(picture.get()), cairo_destroy);
    cairo_set_source_rgb(cr.get(), kStripGrey, kStripGrey, kStripGrey);
    cairo_paint(cr.get());
    for (int i = 0; i < count; ++i) {
        const double x0 = (i % columns) * size, y0 = (i / columns) * (size + label);
        DrawSlot(cr.get(), slots.tiles[static_cast<std::size_t>(i)], size, x0, y0);
        if (grid)
            DrawLabel(cr.get(), labels[static_cast<std::size_t>(i)], x0, y0 + size, size, label);
    }
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string("cannot draw the preview: ") +
                                 cairo_status_to_string(cairo_status(cr.get())));
    }
    return picture;
}

cairo_status_t WriteToOutput(void* closure, const unsigned char* data, unsigned int length) {
    return static_cast<OutputFile*>(closure)->Write(data, length) ? CAIRO_STATUS_SUCCESS
                                                                  : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

void WritePreviewPng(const SlotPixels& slots, const std::vector<std::string>& labels,
                     OutputFile& out) {
    const Surface picture = DrawPicture(slots, labels);
    const cairo_status_t status =
        cairo_surface_write_to_png_stream(picture.get(), WriteToOutput, &out);
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write '" + out.Path() +
                                 "': " + cairo_status_to_string(status));
    }
    out.Commit();
}

}  // namespace veltrane::tools
