// veltrane nk: where the six values come from (a database file, the artist mapping, a
// named metal), and the common report: n, k, the artist values and the script.
#include "tools/veltrane/nk_command.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/param_store.h"
#include "tools/metals/artist_mapping.h"
#include "tools/metals/nk_file.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/maxscript_snippet.h"
#include "tools/veltrane/option_values.h"

namespace veltrane::tools {
namespace {

struct NkOptions {
    std::string file, preset, f0, edge, n, k;
    bool toArtist = false;
};

constexpr const char* kChannelNames[3] = {"red", "green", "blue"};
constexpr std::array<double, 3> kChannelWavelengths = {0.650, 0.510, 0.475};  // um
constexpr double kMapLimit = 100.0;  // range of the n/k parameters
constexpr std::size_t kMaxFileBytes = 64u << 20;

// The six values and what the report says about where they come from.
struct NkResult {
    std::string source;
    ComplexIOR ior;
    std::vector<std::string> warnings;
    std::array<bool, 3> f0Clamped{};  // already reported
};

float& Field(ComplexIOR& ior, int index) {
    return ior.*kIorParamFields[index].field;
}

float Field(const ComplexIOR& ior, int index) {
    return ior.*kIorParamFields[index].field;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UsageError(path + ": cannot be opened (" + std::strerror(errno) + ")");
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileBytes) {
            throw UsageError(path + ": larger than " + std::to_string(kMaxFileBytes >> 20) +
                             " MiB, too large for a database file");
        }
    }
    if (in.bad()) throw UsageError(path + ": cannot be read");
    return text;
}

std::string Range(const std::vector<NkSample>& curve) {
    char text[64];
    std::snprintf(text, sizeof text, "%g to %g um", curve.front().wavelength,
                  curve.back().wavelength);
    return text;
}

float Sample(const std::vector<NkSample>& curve, const char* quantity, int channel,
             const std::string& path) {
    const double wavelength = kChannelWavelengths[static_cast<std::size_t>(channel)];
    const auto value = Interpolate(curve, wavelength);
    if (!value) {
        char where[32];
        std::snprintf(where, sizeof where, "%.3f um", wavelength);
        throw UsageError(path + ": " + where + " (" + kChannelNames[channel] +
                         ") lies outside the data for " + quantity + " (" + Range(curve) +
                         "); values are never extrapolated");
    }
    return static_cast<float>(*value);
}

NkResult FromFile(const std::string& path) {
    const NkParse parse = ParseNkFile(ReadFile(path), path);
    if (!parse.table) throw UsageError(parse.error);
    NkResult result;
    result.source = path + " (n " + Range(parse.table->n) + ", k " + Range(parse.table->k) + ")";
    for (int c = 0; c < 3; ++c) {
        Field(result.ior, c) = Sample(parse.table->n, "n", c, path);
        Field(result.ior, c + 3) = Sample(parse.table->k, "k", c, path);
    }
    return result;
}

// Three values of an option, each within [low, high].
std::array<float, 3> Bounded(const std::string& option, const std::string& text, double low,
                             double high) {
    const std::array<float, 3> values = TripleOption(option, text);
    for (float v : values) {
        if (!(v >= low && v <= high)) {
            char message[160];
            std::snprintf(message, sizeof message, "%s: %g is outside %g to %g", option.c_str(),
                          double{v}, low, high);
            throw UsageError(message);
        }
    }
    return values;
}

std::string ClampNote(int channel) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "%s f0 clamped to %g: f0 = 1 is a pole of the mapping (n and k grow without "
                  "bound)",
                  kChannelNames[channel], kMaxReflectivity);
    return text;
}

NkResult FromArtist(const std::string& f0Text, const std::string& edgeText) {
    const auto f0 = Bounded("--f0", f0Text, 0.0, 1.0);
    const auto edge = Bounded("--edge", edgeText, 0.0, 1.0);
    NkResult result;
    result.source = "f0 " + f0Text + ", edge tint " + edgeText;
    for (int c = 0; c < 3; ++c) {
        const IorChannel ior = IorFromArtist(f0[c], edge[c]);
        if (ior.reflectivityClamped) {
            result.warnings.push_back(ClampNote(c));
            result.f0Clamped[static_cast<std::size_t>(c)] = true;
        }
        Field(result.ior, c) = static_cast<float>(ior.n);
        Field(result.ior, c + 3) = static_cast<float>(ior.k);
    }
    return result;
}

NkResult FromIor(const std::string& nText, const std::string& kText) {
    const auto n = Bounded("--n", nText, 0.0, kMapLimit);
    const auto k = Bounded("--k", kText, 0.0, kMapLimit);
    return {"custom", {n[0], n[1], n[2], k[0], k[1], k[2]}, {}};
}

NkResult FromPreset(const std::string& name) {
    const Metal& metal = MetalOption(name);
    return {std::string(metal.name) + " (" + std::string(metal.source) + ")", metal.ior, {}};
}

NkResult Resolve(const NkOptions& o) {
    if (!o.file.empty()) return FromFile(o.file);
    if (!o.f0.empty()) return FromArtist(o.f0, o.edge);
    if (!o.n.empty()) {
        if (!o.toArtist) throw UsageError("--n and --k need --to-artist (or use 'veltrane eval')");
        return FromIor(o.n, o.k);
    }
    if (!o.preset.empty()) return FromPreset(o.preset);
    throw UsageError(
        "missing input (valid: FILE.yml; --f0 R,G,B with --edge R,G,B; --n R,G,B with --k R,G,B "
        "and --to-artist; or --preset NAME)");
}

void AddLimitWarnings(NkResult& result) {
    for (int i = 0; i < 6; ++i) {
        const float v = Field(result.ior, i);
        if (v > kMapLimit) {
            char text[160];
            std::snprintf(text, sizeof text,
                          "%s %s = %g exceeds the map's range 0 to %g; the map clamps it",
                          i < 3 ? "n" : "k", kChannelNames[i % 3], double{v}, kMapLimit);
            result.warnings.push_back(text);
        }
    }
}

// One line of the report: a label and a cell per channel.
void PrintRow(const char* label, const std::array<std::string, 3>& cells) {
    std::printf("%-10s%-12s%-12s%s\n", label, cells[0].c_str(), cells[1].c_str(), cells[2].c_str());
}

std::array<std::string, 3> Cells(const char* format, const std::array<double, 3>& values) {
    std::array<std::string, 3> cells;
    for (int c = 0; c < 3; ++c) {
        char cell[32];
        std::snprintf(cell, sizeof cell, format, values[c]);
        cells[c] = cell;
    }
    return cells;
}

std::array<std::string, 3> Decimals(const ComplexIOR& ior, int first) {
    return {ShortestDecimal(Field(ior, first)), ShortestDecimal(Field(ior, first + 1)),
            ShortestDecimal(Field(ior, first + 2))};
}

int Report(NkResult result) {
    std::array<double, 3> f0{}, edge{};
    for (int c = 0; c < 3; ++c) {
        const ArtistChannel artist = ArtistFromIor(Field(result.ior, c), Field(result.ior, c + 3));
        f0[c] = artist.reflectivity;
        edge[c] = artist.edgeTint;
        if (artist.reflectivityClamped && !result.f0Clamped[static_cast<std::size_t>(c)]) {
            result.warnings.push_back(ClampNote(c));
        }
        if (edge[c] < 0.0 || edge[c] > 1.0) {
            result.warnings.push_back(std::string(kChannelNames[c]) +
                                      " edge tint lies outside 0 to 1: the artist mapping "
                                      "cannot express this channel exactly");
        }
    }
    AddLimitWarnings(result);

    std::printf("source    %s\n", result.source.c_str());
    PrintRow("channel", {"red", "green", "blue"});
    PrintRow("um", Cells("%.3f", kChannelWavelengths));
    PrintRow("n", Decimals(result.ior, 0));
    PrintRow("k", Decimals(result.ior, 3));
    PrintRow("f0", Cells("%.6f", f0));
    PrintRow("edge tint", Cells("%.6f", edge));
    std::printf("\n%s", MaxScriptSnippet(result.ior).c_str());
    for (const std::string& warning : result.warnings) {
        std::fprintf(stderr, "veltrane nk: warning: %s\n", warning.c_str());
    }
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
        "--f0 and --edge are the artist mapping (Gulbrandsen 2014): the colour at normal\n"
        "incidence and the edge tint per channel, each 0 to 1. f0 = 1 is a pole and is clamped\n"
        "to 0.999 with a warning. --to-artist goes the other way for --n and --k.\n\n"
        "Every mode prints n, k, f0 and edge tint per channel, then a MAXScript snippet that\n"
        "sets the map in the active material editor slot to Custom with these values.\n\n"
        "Examples:\n"
        "  veltrane nk Cu.yml\n"
        "  veltrane nk --f0 0.95,0.64,0.54 --edge 0.99,0.98,0.8\n"
        "  veltrane nk --n 0.27,0.98,1.22 --k 3.61,2.37,2.29 --to-artist\n"
        "  veltrane nk --preset tungsten\n");
    CLI::Option* file =
        nk->add_option("file", options->file, "Refractive-index database file (YAML)")
            ->type_name("FILE.yml");
    CLI::Option* preset =
        nk->add_option("--preset", options->preset, "A metal by name (see veltrane presets)")
            ->type_name("NAME");
    CLI::Option* f0 = nk->add_option("--f0", options->f0, "Colour at normal incidence, 0 to 1")
                          ->type_name("R,G,B");
    CLI::Option* edge =
        nk->add_option("--edge", options->edge, "Edge tint, 0 to 1")->type_name("R,G,B");
    CLI::Option* n =
        nk->add_option("--n", options->n, "Real part of the index, 0 to 100")->type_name("R,G,B");
    CLI::Option* k =
        nk->add_option("--k", options->k, "Extinction coefficient, 0 to 100")->type_name("R,G,B");
    CLI::Option* toArtist =
        nk->add_flag("--to-artist", options->toArtist, "Convert --n and --k to f0 and edge tint");
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
