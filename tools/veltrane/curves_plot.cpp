// Drawing with cairo: vector output for SVG, an image surface for PNG, both written through
// the output file's stream so that a failed write leaves no file behind.
#include "tools/veltrane/curves_plot.h"

#include <cairo-svg.h>
#include <cairo.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "core/fresnel.h"
#include "tools/metals/closed_form_deviation.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/output_file.h"

namespace veltrane::tools {
namespace {

constexpr double kPanelWidth = 420.0;
constexpr double kPanelHeight = 330.0;

// Plot areas inside a panel: reflectance above, the difference strip below.
constexpr double kLeft = 48.0, kRight = kPanelWidth - 14.0;
constexpr double kTop = 44.0, kBottom = 214.0;
constexpr double kStripTop = 236.0, kStripBottom = 296.0;

struct Rgb {
    double r, g, b;
};
constexpr Rgb kChannelColours[3] = {{0.82, 0.12, 0.08}, {0.10, 0.55, 0.15}, {0.12, 0.28, 0.85}};
constexpr Rgb kInk = {0.15, 0.15, 0.15};
constexpr Rgb kGrid = {0.86, 0.86, 0.86};

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

cairo_status_t WriteToOutput(void* closure, const unsigned char* data, unsigned int length) {
    return static_cast<OutputFile*>(closure)->Write(data, length) ? CAIRO_STATUS_SUCCESS
                                                                  : CAIRO_STATUS_WRITE_ERROR;
}

void SetColour(cairo_t* cr, const Rgb& c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

double X(double degrees) {
    return kLeft + (kRight - kLeft) * degrees / 90.0;
}

void Text(cairo_t* cr, double x, double y, const std::string& text, double size, bool bold,
          double align = 0.0) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_move_to(cr, x - align * extents.x_advance, y);
    cairo_show_text(cr, text.c_str());
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

// How an axis labels its grid values: reflectance plainly, differences with their sign.
enum class AxisLabels { kPlain, kSigned };

std::string AxisLabel(double value, AxisLabels labels) {
    if (value == 0.0) return "0";
    return labels == AxisLabels::kSigned ? fmt::format(FMT_STRING("{:+.2f}"), value)
                                         : fmt::format(FMT_STRING("{:.2f}"), value);
}

// Frame, grid and labels of a plot area from top to bottom whose values run from low to
// high with grid lines at the given values.
void Axes(cairo_t* cr, double top, double bottom, double low, double high,
          const std::vector<double>& gridValues, AxisLabels labels) {
    cairo_set_line_width(cr, 1.0);
    SetColour(cr, kGrid);
    for (int degrees = 15; degrees < 90; degrees += 15)
        Line(cr, X(degrees), top, X(degrees), bottom);
    for (double v : gridValues) {
        const double y = bottom - (bottom - top) * (v - low) / (high - low);
        SetColour(cr, kGrid);
        Line(cr, kLeft, y, kRight, y);
        SetColour(cr, kInk);
        Text(cr, kLeft - 5.0, y + 4.0, AxisLabel(v, labels), 10.0, false, 1.0);
    }
    SetColour(cr, kInk);
    cairo_rectangle(cr, kLeft, top, kRight - kLeft, bottom - top);
    cairo_stroke(cr);
}

// A curve over the sweep; value(step) gives the plotted value, mapped from [low, high].
template <typename Value>
void Curve(cairo_t* cr, double top, double bottom, double low, double high, Value value) {
    for (int step = 0; step <= kSweepSteps; ++step) {
        const double v = std::clamp(value(step), low, high);
        const double y = bottom - (bottom - top) * (v - low) / (high - low);
        if (step == 0) {
            cairo_move_to(cr, X(SweepDegrees(step)), y);
        } else {
            cairo_line_to(cr, X(SweepDegrees(step)), y);
        }
    }
    cairo_stroke(cr);
}

void Legend(cairo_t* cr, const std::string& reference) {
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 2.0);
    Line(cr, kLeft + 8.0, kBottom - 26.0, kLeft + 28.0, kBottom - 26.0);
    Text(cr, kLeft + 33.0, kBottom - 22.0, "map (closed form)", 10.0, false);
    const double dash[] = {4.0, 3.0};
    cairo_set_dash(cr, dash, 2, 0.0);
    cairo_set_line_width(cr, 1.2);
    Line(cr, kLeft + 8.0, kBottom - 12.0, kLeft + 28.0, kBottom - 12.0);
    cairo_set_dash(cr, nullptr, 0, 0.0);
    Text(cr, kLeft + 33.0, kBottom - 8.0, reference, 10.0, false);
}

// The strip's half range: at least the stated bound, else the largest deviation rounded up.
double StripRange(const CurveSet& set) {
    double largest = kClosedFormBound;
    for (std::size_t c = 0; c < 3; ++c) {
        const float n = set.material.ior.n(c);
        const float k = set.material.ior.k(c);
        largest = std::max(largest, DeviationFrom(n, k, set.values[c]).largest);
    }
    return std::ceil(largest * 100.0 - 1e-9) / 100.0;
}

void Panel(cairo_t* cr, const CurveSet& set) {
    const Material& material = set.material;
    SetColour(cr, kInk);
    Text(cr, kLeft, 18.0, material.title, 14.0, true);
    std::string values = "n";
    for (std::size_t c = 0; c < 3; ++c) values += " " + ShortestText(material.ior.n(c));
    values += "   k";
    for (std::size_t c = 0; c < 3; ++c) values += " " + ShortestText(material.ior.k(c));
    Text(cr, kRight, 36.0, values, 10.0, false, 1.0);
    Text(cr, kLeft, 36.0, "reflectance", 10.0, false);

    Axes(cr, kTop, kBottom, 0.0, 1.0, {0.0, 0.25, 0.5, 0.75, 1.0}, AxisLabels::kPlain);
    const double range = StripRange(set);
    Axes(cr, kStripTop, kStripBottom, -range, range, {-range, 0.0, range}, AxisLabels::kSigned);
    SetColour(cr, kInk);
    Text(cr, kLeft, kStripTop - 6.0, "map minus " + set.reference, 10.0, false);
    for (int degrees = 0; degrees <= 90; degrees += 15) {
        Text(cr, X(degrees), kStripBottom + 14.0, std::to_string(degrees), 10.0, false, 0.5);
    }
    Text(cr, kRight, kStripBottom + 28.0, "angle of incidence (degrees)", 10.0, false, 1.0);

    const double dash[] = {4.0, 3.0};
    for (int c = 0; c < 3; ++c) {
        const float n = material.ior.n(static_cast<std::size_t>(c));
        const float k = material.ior.k(static_cast<std::size_t>(c));
        const auto closed = [&](int step) {
            return double{FresnelConductor(n, k, SweepFacing(step))};
        };
        const auto reference = [&](int step) {
            return set.values[static_cast<std::size_t>(c)][static_cast<std::size_t>(step)];
        };
        SetColour(cr, kChannelColours[c]);
        cairo_set_line_width(cr, 2.0);
        Curve(cr, kTop, kBottom, 0.0, 1.0, closed);
        Curve(cr, kStripTop, kStripBottom, -range, range,
              [&](int step) { return closed(step) - reference(step); });
        cairo_set_line_width(cr, 1.2);
        cairo_set_source_rgb(cr, kChannelColours[c].r * 0.55, kChannelColours[c].g * 0.55,
                             kChannelColours[c].b * 0.55);
        cairo_set_dash(cr, dash, 2, 0.0);
        Curve(cr, kTop, kBottom, 0.0, 1.0, reference);
        cairo_set_dash(cr, nullptr, 0, 0.0);
    }
    Legend(cr, set.reference);
}

int Columns(std::size_t count) {
    if (count <= 1) return 1;
    if (count <= 4) return 2;
    if (count <= 9) return 3;
    return 4;
}

void Draw(cairo_t* cr, const std::vector<CurveSet>& materials, int columns) {
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    for (std::size_t i = 0; i < materials.size(); ++i) {
        cairo_save(cr);
        cairo_translate(cr,
                        kPanelWidth * static_cast<double>(i % static_cast<std::size_t>(columns)),
                        kPanelHeight * static_cast<double>(i / static_cast<std::size_t>(columns)));
        Panel(cr, materials[i]);
        cairo_restore(cr);
    }
}

}  // namespace

bool DrawCurves(const std::vector<CurveSet>& materials, PictureFormat format, OutputFile& out) {
    const int columns = Columns(materials.size());
    const std::size_t rows = (materials.size() + static_cast<std::size_t>(columns) - 1) /
                             static_cast<std::size_t>(columns);
    const double width = kPanelWidth * columns;
    const double height = kPanelHeight * static_cast<double>(rows);
    Surface surface(format == PictureFormat::kSvg
                        ? cairo_svg_surface_create_for_stream(WriteToOutput, &out, width, height)
                        : cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(width),
                                                     static_cast<int>(height)),
                    &cairo_surface_destroy);
    {
        Context cr(cairo_create(surface.get()), &cairo_destroy);
        Draw(cr.get(), materials, columns);
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return false;
    }
    if (format == PictureFormat::kPng &&
        cairo_surface_write_to_png_stream(surface.get(), WriteToOutput, &out) !=
            CAIRO_STATUS_SUCCESS) {
        return false;
    }
    cairo_surface_finish(surface.get());
    return cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace veltrane::tools
