// veltrane curves: the report of the largest differences, the warnings, and the picture.
#include "tools/veltrane/curves_command.h"

#include <fmt/format.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "tools/metals/closed_form_deviation.h"
#include "tools/metals/colour_models.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/curves_plot.h"
#include "tools/veltrane/data_folder.h"
#include "tools/veltrane/ignoring_case.h"
#include "tools/veltrane/metal_input.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/option_values.h"
#include "tools/veltrane/output_file.h"
#include "tools/veltrane/preset_names.h"
#include "tools/veltrane/spectral_metal.h"

namespace veltrane::tools {
namespace {

struct CurvesOptions {
    std::string presets, n, k, output, spectral, data;
    std::string model = "exact";
};

enum class Reference { kExact, kOpenPbr, kSpectral };

PictureFormat FormatOf(const std::string& path) {
    if (EndsWithIgnoringCase(path, ".svg")) return PictureFormat::kSvg;
    if (EndsWithIgnoringCase(path, ".png")) return PictureFormat::kPng;
    throw UsageError("-o: '" + path + "' names no picture format (valid extensions: .svg, .png)");
}

void WarnBeyondBound(const Material& m, std::size_t c, const Deviation& d) {
    const float n = m.ior.n(c), k = m.ior.k(c);
    const std::string cause(PoorApproximationCause(n, k));
    const std::string warning =
        fmt::format(FMT_STRING("veltrane curves: warning: {} {} (n {}, k {}): the closed form is "
                               "off by {:.4f} at {:.1f} deg, beyond {}{}"),
                    m.name, kChannelNames[c], ShortestText(n), ShortestText(k), d.largest,
                    d.degrees, kClosedFormBound, cause.empty() ? "" : "; poor where " + cause);
    std::fprintf(stderr, "%s\n", warning.c_str());
}

// The F82-tint curve of each channel of the map's n and k; clipped tints are reported.
CurveSet OpenPbrSet(const Material& m) {
    CurveSet set{m, "OpenPBR F82 tint", {}};
    for (std::size_t c = 0; c < 3; ++c) {
        const F82Channel f82 = F82FromIor(m.ior.n(c), m.ior.k(c));
        if (f82.specularClipped) {
            std::fprintf(stderr,
                         "veltrane curves: warning: %s %s: specular_color %.4f clipped to 1\n",
                         m.name.c_str(), kChannelNames[c], f82.specularNeeded);
        }
        for (int step = 0; step <= kSweepSteps; ++step) {
            set.values[c].push_back(
                F82Reflectance(f82.baseColor, f82.specularColor, SweepFacing(step)));
        }
    }
    return set;
}

CurveSet ExactSet(const Material& m) {
    CurveSet set{m, "exact Fresnel", {}};
    for (std::size_t c = 0; c < 3; ++c) set.values[c] = ExactSweep(m.ior.n(c), m.ior.k(c));
    return set;
}

// The file's spectrally integrated curve beside the map with the n and k fitted to it.
CurveSet SpectralSet(const std::string& path, const std::string& dataOption) {
    MetalInputText text;
    text.file = path;
    text.spectral = true;
    text.data = dataOption;
    const MetalInput metal = ReadMetalInput(text);
    PrintWarnings("curves", metal.warnings);
    const CieTables tables = LoadCieTables(FindDataFolder(dataOption));
    const std::string name = std::filesystem::path(path).filename().string();
    return {{name, metal.ior, name + ", n and k fitted"},
            "spectral (CIE 1931, D65)",
            SpectralSweep(tables, metal.spectral->nk)};
}

Reference ReferenceOf(const CurvesOptions& o) {
    if (!o.spectral.empty()) return Reference::kSpectral;
    if (o.model == "exact") return Reference::kExact;
    if (o.model == "openpbr") return Reference::kOpenPbr;
    RefuseChoice("--model", o.model, "a model", "exact, openpbr");
}

std::vector<CurveSet> CurveSets(const CurvesOptions& o, Reference reference) {
    if (reference == Reference::kSpectral) return {SpectralSet(o.spectral, o.data)};
    std::vector<CurveSet> sets;
    for (const Material& m : ReadMaterials(o.presets, o.n, o.k)) {
        sets.push_back(reference == Reference::kExact ? ExactSet(m) : OpenPbrSet(m));
    }
    return sets;
}

// Prints a line per channel; against the exact formula, warns of each channel beyond the
// bound.
void Report(const std::vector<CurveSet>& sets, Reference reference) {
    if (reference != Reference::kExact) {
        std::printf("map's closed form against %s\n", sets.front().reference.c_str());
    }
    std::printf("%-16s %-6s %10s %10s %12s %10s\n", "metal", "chan", "n", "k", "largest diff",
                "at angle");
    for (const CurveSet& set : sets) {
        const Material& m = set.material;
        for (std::size_t c = 0; c < 3; ++c) {
            const float n = m.ior.n(c), k = m.ior.k(c);
            const Deviation d = DeviationFrom(n, k, set.values[c]);
            std::printf("%-16s %-6s %10s %10s %12.4f %6.1f deg\n", m.name.c_str(), kChannelNames[c],
                        ShortestText(n).c_str(), ShortestText(k).c_str(), d.largest, d.degrees);
            if (reference == Reference::kExact && d.largest > kClosedFormBound) {
                WarnBeyondBound(m, c, d);
            }
        }
    }
}

int RunCurves(const CurvesOptions& o) {
    const Reference reference = ReferenceOf(o);
    std::optional<PictureFormat> format;
    std::unique_ptr<OutputFile> out;
    if (!o.output.empty()) {
        format = FormatOf(o.output);
    }
    const std::vector<CurveSet> sets = CurveSets(o, reference);
    if (format) out = std::make_unique<OutputFile>("-o", o.output);
    Report(sets, reference);
    if (FlushOutput("curves") != 0) return 1;
    if (!out) return 0;
    try {
        if (!DrawCurves(sets, *format, *out)) {
            throw std::runtime_error("cannot write '" + o.output + "'");
        }
        out->Commit();
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "veltrane curves: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace

void AddCurvesCommand(CLI::App& app) {
    auto options = std::make_shared<CurvesOptions>();
    CLI::App* curves = AddCommand(
        app, "curves",
        "Reflectance against the angle of incidence per channel: the map's closed form beside "
        "the exact Fresnel formula",
        [options] { return RunCurves(*options); });
    curves->footer(
        "Prints, per metal and channel, the largest absolute difference between the map's\n"
        "closed form and the exact unpolarised Fresnel reflectance over 0 to 90 degrees (steps\n"
        "of 0.1 degree) and the angle where it occurs. A channel off by more than 0.01 gets a\n"
        "warning on standard error; the closed form is poor where k is near 0 and where n < 1\n"
        "with small k. With -o the curves are drawn, one panel per metal: solid the map,\n"
        "dashed the exact value, and below their difference.\n\n"
        "--model openpbr compares with the F82-tint curve of OpenPBR Surface instead (the\n"
        "colours 'veltrane convert --to openpbr' gives; a specular_color above 1 is clipped\n"
        "and reported). --spectral FILE.yml compares a database file's spectrally integrated\n"
        "curve (CIE 1931 2-degree observer, D65, clipped into 0 to 1) with the map's closed\n"
        "form for the n and k fitted to it ('veltrane nk FILE.yml --spectral').\n\n"
        "Presets: " +
        MetalNameList() +
        ", or all.\n\n"
        "Examples:\n"
        "  veltrane curves --preset copper -o copper.png\n"
        "  veltrane curves --preset gold,silver,copper -o coloured.svg\n"
        "  veltrane curves --n 1.5,1.5,1.5 --k 0,0,0\n"
        "  veltrane curves --preset gold,copper --model openpbr -o f82.png\n"
        "  veltrane curves --spectral Au.yml -o gold-spectral.svg\n");
    CLI::Option* preset =
        curves->add_option("--preset", options->presets, "Metals by name, comma-separated, or all")
            ->type_name("NAME[,NAME...]|all");
    CLI::Option* n = curves->add_option("--n", options->n, "Real part of the index per channel")
                         ->type_name("R,G,B");
    CLI::Option* k = curves->add_option("--k", options->k, "Extinction coefficient per channel")
                         ->type_name("R,G,B");
    curves->add_option("-o,--output", options->output, "Picture to write (.svg or .png)")
        ->type_name("FILE");
    CLI::Option* model =
        curves->add_option("--model", options->model, "Curve beside the map's: exact or openpbr")
            ->type_name("MODEL")
            ->capture_default_str();
    CLI::Option* spectral =
        curves
            ->add_option("--spectral", options->spectral,
                         "Database file whose spectrally integrated curve is compared")
            ->type_name("FILE.yml");
    CLI::Option* data =
        curves->add_option("--data", options->data, "Folder of the CIE tables")->type_name("DIR");
    data->needs(spectral);
    for (CLI::Option* other : {preset, n, k, model}) spectral->excludes(other);
    preset->excludes(n)->excludes(k);
    n->needs(k);
    k->needs(n);
}

}  // namespace veltrane::tools
