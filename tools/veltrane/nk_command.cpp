// veltrane nk: where the six values come from (a database file, the artist mapping, a
// named metal), and the common report: n, k, the artist values and the script.
#include "tools/veltrane/nk_command.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/metals/artist_mapping.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/maxscript_snippet.h"
#include "tools/veltrane/metal_input.h"
#include "tools/veltrane/nk_input.h"
#include "tools/veltrane/nk_report.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/option_values.h"

namespace veltrane::tools {
namespace {

struct NkOptions {
    MetalInputText input;
    std::string f0, edge;
    bool toArtist = false;
};

NkResult FromArtist(const std::string& f0Text, const std::string& edgeText) {
    const auto f0 = BoundedTripleOption("--f0", f0Text, 0.0, 1.0);
    const auto edge = BoundedTripleOption("--edge", edgeText, 0.0, 1.0);
    return NkFromArtist(f0, edge, "f0 " + f0Text + ", edge tint " + edgeText);
}

NkResult Resolve(const NkOptions& o) {
    if (!o.f0.empty()) return FromArtist(o.f0, o.edge);
    if (!o.input.n.empty() && !o.toArtist) {
        throw UsageError("--n and --k need --to-artist (or use 'veltrane eval')");
    }
    if (!HasMetalInput(o.input) && !o.input.spectral) {
        throw UsageError(
            "missing input (valid: FILE.yml; --f0 R,G,B with --edge R,G,B; --n R,G,B with --k "
            "R,G,B and --to-artist; or --preset NAME)");
    }
    return NkFromMetal(ReadMetalInput(o.input));
}

int Report(NkResult result) {
    PrintNkReport(std::move(result));
    return FlushOutput("nk");
}

}  // namespace

void AddNkCommand(CLI::App& app) {
    auto options = std::make_shared<NkOptions>();
    CLI::App* nk = AddCommand(
        app, "nk",
        "n and k for the map from a refractive-index database file, from artist colours or "
        "for a named metal, with a MAXScript snippet that sets them",
        [options] { return Report(Resolve(*options)); });
    nk->footer(
        "FILE.yml is a file of the refractive-index database: a DATA block 'tabulated nk', or\n"
        "'tabulated n' and 'tabulated k' blocks, wavelengths in um. n and k are interpolated\n"
        "linearly at 0.650, 0.510 and 0.475 um; a wavelength outside the data is an error,\n"
        "never extrapolated. Formula blocks and malformed files are refused with one line\n"
        "naming the file and the fault (exit status 2).\n\n"
        "With --spectral the whole spectrum counts, as a spectral renderer shows it: the exact\n"
        "Fresnel reflectance every 5 nm from 380 to 780 nm, weighted by the CIE 1931 2-degree\n"
        "observer under D65, in linear sRGB (and 8-bit sRGB), head-on and at mu = 1/7 (about\n"
        "82 degrees). The data must cover 0.400 to 0.700 um, else the file is refused; beyond\n"
        "its ends up to 380 and 780 nm the end values are held (never extrapolated), with a\n"
        "warning giving the share of the eye's response there. Colours outside sRGB (gold's\n"
        "red) are clipped with a warning. n and k are then fitted per channel so that the\n"
        "map's closed form gives both colours.\n\n"
        "--f0 and --edge are the artist mapping (Gulbrandsen 2014): the colour at normal\n"
        "incidence and the edge tint per channel, each 0 to 1. f0 = 1 is a pole and is clamped\n"
        "to 0.999 with a warning. --to-artist goes the other way for --n and --k.\n\n"
        "Every mode prints n, k, f0 and edge tint per channel, then a MAXScript snippet that\n"
        "sets the map in the active material editor slot to Custom with these values.\n\n"
        "Examples:\n"
        "  veltrane nk Cu.yml\n"
        "  veltrane nk Au.yml --spectral\n"
        "  veltrane nk --f0 0.95,0.64,0.54 --edge 0.99,0.98,0.8\n"
        "  veltrane nk --n 0.27,0.98,1.22 --k 3.61,2.37,2.29 --to-artist\n"
        "  veltrane nk --preset tungsten\n");
    CLI::Option* file =
        nk->add_option("file", options->input.file, "Refractive-index database file (YAML)")
            ->type_name("FILE.yml");
    CLI::Option* preset =
        nk->add_option("--preset", options->input.preset, "A metal by name (see veltrane presets)")
            ->type_name("NAME");
    CLI::Option* f0 = nk->add_option("--f0", options->f0, "Colour at normal incidence, 0 to 1")
                          ->type_name("R,G,B");
    CLI::Option* edge =
        nk->add_option("--edge", options->edge, "Edge tint, 0 to 1")->type_name("R,G,B");
    CLI::Option* n = nk->add_option("--n", options->input.n, "Real part of the index, 0 to 100")
                         ->type_name("R,G,B");
    CLI::Option* k = nk->add_option("--k", options->input.k, "Extinction coefficient, 0 to 100")
                         ->type_name("R,G,B");
    CLI::Option* toArtist =
        nk->add_flag("--to-artist", options->toArtist, "Convert --n and --k to f0 and edge tint");
    CLI::Option* spectral =
        nk->add_flag("--spectral", options->input.spectral,
                     "Integrate FILE.yml over the visible spectrum and fit n and k to its colour");
    CLI::Option* data =
        nk->add_option("--data", options->input.data,
                       "Folder of the CIE tables (default: $VELTRANE_DATA, the installed or "
                       "the source data folder)")
            ->type_name("DIR");
    data->needs(spectral);
    f0->needs(edge);
    edge->needs(f0);
    n->needs(k);
    k->needs(n);
    toArtist->needs(n);
    for (CLI::Option* other : {preset, f0, edge, n, k, toArtist}) file->excludes(other);
    for (CLI::Option* other : {f0, edge, n, k}) preset->excludes(other);
    for (CLI::Option* other : {n, k}) f0->excludes(other);
}

}  // namespace veltrane::tools
