// veltrane convert: what the input is (a metal, six values, a database file, or a model's
// colours), the conversion per channel with its warnings, and the table or JSON report.
#include "tools/veltrane/convert_command.h"

#include <fmt/format.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/metals/artist_mapping.h"
#include "tools/metals/colour_models.h"
#include "tools/veltrane/channel_rows.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/convert_report.h"
#include "tools/veltrane/json_numbers.h"
#include "tools/veltrane/maxscript_snippet.h"
#include "tools/veltrane/metal_input.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/option_values.h"
#include "tools/veltrane/spectral_metal.h"

namespace veltrane::tools {
namespace {

struct ConvertOptions {
    MetalInputText input;
    std::string to, from, baseColor, specularColor;
    std::string format = "table";
};

Model ModelOption(const std::string& option, const std::string& text) {
    if (text == "openpbr") return Model::kOpenPbr;
    if (text == "standard-surface") return Model::kStandardSurface;
    RefuseChoice(option, text, "a model", "openpbr, standard-surface");
}

Triple ColourOption(const std::string& option, const std::string& text) {
    const auto values = BoundedTripleOption(option, text, 0.0, 1.0);
    return {values[0], values[1], values[2]};
}

Conversion Resolve(const ConvertOptions& o) {
    if (o.to.empty() == o.from.empty()) {
        throw UsageError(
            "give one direction (valid: --to openpbr|standard-surface, or --from "
            "openpbr|standard-surface with --base-color and --specular-color)");
    }
    Conversion conv;
    if (!o.from.empty()) {
        conv.model = ModelOption("--from", o.from);
        if (o.baseColor.empty() || o.specularColor.empty()) {
            throw UsageError("--from needs --base-color R,G,B and --specular-color R,G,B");
        }
        conv.toMap = true;
        conv.baseColor = ColourOption("--base-color", o.baseColor);
        conv.specularColor = ColourOption("--specular-color", o.specularColor);
        conv.source = std::string(ModelKey(conv.model)) + " base_color " + o.baseColor +
                      ", specular_color " + o.specularColor;
        IorFromColours(conv);
        return conv;
    }
    conv.model = ModelOption("--to", o.to);
    MetalInput metal = ReadMetalInput(o.input);
    conv.source = std::move(metal.source);
    conv.ior = metal.ior;
    conv.spectral = std::move(metal.spectral);
    conv.warnings = std::move(metal.warnings);
    ColoursFromIor(conv);
    return conv;
}

void PrintJson(const Conversion& conv) {
    nlohmann::ordered_json out = {
        {"source", conv.source},
        {"model", ModelKey(conv.model)},
        {"direction", conv.toMap ? "from" : "to"},
        {"n", JsonNumbers(NCells(conv.ior))},
        {"k", JsonNumbers(KCells(conv.ior))},
        {"base_color", JsonNumbers(FixedCells(conv.baseColor, kColourDecimals))},
        {"specular_color", JsonNumbers(FixedCells(conv.specularColor, kColourDecimals))},
    };
    if (conv.spectral) {
        out["spectral_f0"] = JsonNumbers(FixedCells(conv.spectral->f0, kColourDecimals));
        out["spectral_edge"] = JsonNumbers(FixedCells(conv.spectral->edge, kColourDecimals));
    }
    out["warnings"] = conv.warnings;
    std::printf("%s\n", out.dump(2).c_str());
}

int RunConvert(const ConvertOptions& o) {
    if (o.format != "table" && o.format != "json") {
        RefuseChoice("--format", o.format, "a format", "table, json");
    }
    const Conversion conv = Resolve(o);
    if (o.format == "json") {
        PrintJson(conv);
    } else {
        PrintConversionTable(conv);
    }
    PrintWarnings("convert", conv.warnings);
    return FlushOutput("convert");
}

}  // namespace

void AddConvertCommand(CLI::App& app) {
    auto o = std::make_shared<ConvertOptions>();
    CLI::App* convert = AddCommand(
        app, "convert",
        "The map's n and k to and from the colour-based metal models: OpenPBR Surface (F82 "
        "tint) and Standard Surface",
        [o] { return RunConvert(*o); });
    convert->footer(
        "--to openpbr gives base_color, the map's colour head-on, and specular_color, the\n"
        "map's reflectance at mu = 1/7 (about 82 degrees) over Schlick's there: the F82-tint\n"
        "model of OpenPBR Surface and of Blender's Metallic node. specular_color is limited to\n"
        "1; a channel that needs more (gold's green and blue) is clipped with a warning, and\n"
        "its edge comes out darker. --to standard-surface gives Gulbrandsen's reflectivity r\n"
        "and edge tint g, which Standard Surface 1.0 takes as base_color and specular_color;\n"
        "that conversion is exact both ways.\n\n"
        "--from takes the model's colours (each 0 to 1) and gives n and k: for Standard\n"
        "Surface by Gulbrandsen's mapping, for OpenPBR by fitting the map's closed form to the\n"
        "model head-on and at mu = 1/7. Reflectivity 1 is a pole and is clipped to 0.999.\n\n"
        "The input of --to is a metal (--preset, see veltrane presets), six values (--n and\n"
        "--k, 0 to 100) or a database file, point-sampled at 0.650, 0.510 and 0.475 um, or\n"
        "with --spectral integrated over the spectrum as 'veltrane nk --spectral' does.\n"
        "--format json prints one object with the same values and the warnings.\n\n"
        "Examples:\n"
        "  veltrane convert --preset gold --to openpbr\n"
        "  veltrane convert --preset copper --to standard-surface --format json\n"
        "  veltrane convert Cu.yml --spectral --to openpbr\n"
        "  veltrane convert --from openpbr --base-color 0.93,0.59,0.52 --specular-color "
        "0.98,0.98,0.97\n");
    CLI::Option* file =
        convert->add_option("file", o->input.file, "Refractive-index database file (YAML)")
            ->type_name("FILE.yml");
    CLI::Option* to =
        convert->add_option("--to", o->to, "Model to convert to: openpbr or standard-surface")
            ->type_name("MODEL");
    CLI::Option* from =
        convert->add_option("--from", o->from, "Model to convert from: openpbr or standard-surface")
            ->type_name("MODEL");
    CLI::Option* preset =
        convert->add_option("--preset", o->input.preset, "A metal by name")->type_name("NAME");
    CLI::Option* n = convert->add_option("--n", o->input.n, "Real part of the index, 0 to 100")
                         ->type_name("R,G,B");
    CLI::Option* k = convert->add_option("--k", o->input.k, "Extinction coefficient, 0 to 100")
                         ->type_name("R,G,B");
    CLI::Option* base =
        convert->add_option("--base-color", o->baseColor, "The model's base_color, 0 to 1")
            ->type_name("R,G,B");
    CLI::Option* specular =
        convert
            ->add_option("--specular-color", o->specularColor, "The model's specular_color, 0 to 1")
            ->type_name("R,G,B");
    CLI::Option* spectral = convert->add_flag(
        "--spectral", o->input.spectral, "Integrate FILE.yml over the spectrum before converting");
    CLI::Option* data =
        convert->add_option("--data", o->input.data, "Folder of the CIE tables")->type_name("DIR");
    convert->add_option("--format", o->format, "Output format: table or json")
        ->type_name("FORMAT")
        ->capture_default_str();
    n->needs(k);
    k->needs(n);
    data->needs(spectral);
    for (CLI::Option* input : {file, preset, n, k, spectral}) from->excludes(input);
    for (CLI::Option* colour : {base, specular}) to->excludes(colour);
    file->excludes(preset)->excludes(n)->excludes(k);
    preset->excludes(n)->excludes(k);
}

}  // namespace veltrane::tools
