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
#include "tools/veltrane/curves_report.h"
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

PictureFormat FormatOf(const std::string& path) {
    if (EndsWithIgnoringCase(path, ".svg")) return PictureFormat::kSvg;
    if (EndsWithIgnoringCase(path, ".png")) return PictureFormat::kPng;
    throw UsageError("-o: '" + path + "' names no picture format (valid extensions: .svg, .png)");
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

int RunCurves(const CurvesOptions& o) {
    const Reference reference = ReferenceOf(o);
    std::optional<PictureFormat> format;
    std::unique_ptr<OutputFile> out;
    if (!o.output.empty()) {
        format = FormatOf(o.output);
    }
    const std::vector<CurveSet> sets = CurveSets(o, reference);
    if (format) out = std::make_unique<OutputFile>("-o", o.output);
    PrintCurvesReport(sets, reference);
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
