// The operations of the page's requests: read the request's numbers, compute with the core
// and the tools' metal library, and answer with the numbers and the report the command
// prints for the same inputs.
#include "web/api/requests.h"

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <sstream>
#include <stdexcept>

#include "core/evaluation.h"
#include "core/fresnel.h"
#include "core/presets.h"
#include "tools/metals/artist_mapping.h"
#include "tools/metals/closed_form_deviation.h"
#include "tools/metals/metal_table.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/convert_report.h"
#include "tools/veltrane/curves_report.h"
#include "tools/veltrane/eval_report.h"
#include "tools/veltrane/maxscript_snippet.h"
#include "tools/veltrane/nk_report.h"
#include "tools/veltrane/sample.h"
#include "tools/veltrane/shown_text.h"
#include "web/api/captured_output.h"
#include "web/api/typed_value.h"

namespace veltrane::web {
namespace {

using nlohmann::json;

constexpr int kSweepAll = tools::kSweepSteps + 1;

// A fault of the request itself; answered as {"error": ...}.
struct BadRequest : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const json& Member(const json& request, const char* key) {
    const auto it = request.find(key);
    if (it == request.end()) throw BadRequest(std::string("missing \"") + key + "\"");
    return *it;
}

// A JSON number as a float; one beyond the float's range is refused rather than converted
// (the conversion would be undefined).
float FloatOf(const json& value, const char* key) {
    if (!value.is_number()) throw BadRequest(std::string("\"") + key + "\" is not a number");
    const double d = value.get<double>();
    if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw BadRequest(std::string("\"") + key + "\" lies beyond the range of a float");
    }
    return static_cast<float>(d);
}

float Number(const json& request, const char* key) {
    return FloatOf(Member(request, key), key);
}

float NumberOr(const json& request, const char* key, float fallback) {
    return request.contains(key) ? Number(request, key) : fallback;
}

std::array<float, 3> Triple(const json& request, const char* key) {
    const json& value = Member(request, key);
    if (!value.is_array() || value.size() != 3) {
        throw BadRequest(std::string("\"") + key + "\" is not three numbers");
    }
    return {FloatOf(value[0], key), FloatOf(value[1], key), FloatOf(value[2], key)};
}

std::string Text(const json& request, const char* key) {
    const json& value = Member(request, key);
    if (!value.is_string()) throw BadRequest(std::string("\"") + key + "\" is not a text");
    return value.get<std::string>();
}

ComplexIOR IorOf(const json& request) {
    const auto n = Triple(request, "n"), k = Triple(request, "k");
    return {n[0], n[1], n[2], k[0], k[1], k[2]};
}

json Rgb(float r, float g, float b) {
    return json::array({r, g, b});
}

json IorJson(const ComplexIOR& ior, bool k) {
    return k ? Rgb(ior.kR, ior.kG, ior.kB) : Rgb(ior.nR, ior.nG, ior.nB);
}

json Metals(const json&) {
    json metals = json::array();
    for (const tools::Metal& m : tools::Metals()) {
        metals.push_back({{"id", std::string(m.name)},
                          {"name", std::string(m.displayName)},
                          {"group", m.presetIndex != 0 ? "plugin" : "tools"},
                          {"n", IorJson(m.ior, false)},
                          {"k", IorJson(m.ior, true)},
                          {"source", std::string(m.source)}});
    }
    const ComplexIOR& defaults = FindMetalPreset(kPresetDefault)->ior;
    json params = json::object();
    std::size_t count = 0;
    const ParamRange* ranges = ParamRanges(count);
    for (std::size_t i = 0; i < count; ++i) {
        const ParamRange& r = ranges[i];
        json param = {{"min", r.low}, {"max", r.high}, {"step", r.step}};
        const std::string name = r.name;
        if (name == "n" || name == "k") {
            param["default"] = IorJson(defaults, name == "k");
        } else {
            param["default"] = name == "gamma" ? 1.0 : 0.0;
        }
        params[name] = param;
    }
    std::string defaultPreset;
    for (const tools::Metal& m : tools::Metals()) {
        if (m.presetIndex == kPresetDefault) defaultPreset = m.name;
    }
    return {{"metals", metals},
            {"custom", {{"id", "custom"}, {"name", "Custom"}}},
            {"headings", {"R (0.650 \u00b5m)", "G (0.510 \u00b5m)", "B (0.475 \u00b5m)"}},
            {"params", params},
            {"default_preset", defaultPreset}};
}

json Typed(const json& request) {
    const std::string param = Text(request, "param");
    const ParamRange* range = FindParamRange(param);
    if (range == nullptr) throw BadRequest("unknown parameter '" + param + "'");
    const auto typed = TypeIntoField(*range, Text(request, "text"));
    if (!typed) return {{"error", "not a number"}};
    return {{"value", typed->value}, {"text", typed->shown}};
}

// The metal a request names: a known metal's key and values, as the command's --preset gives
// them (n and k of the request are then not read), or "custom" with the request's n and k.
struct NamedMetal {
    std::string name;
    ComplexIOR ior;
};

NamedMetal MetalOf(const json& request) {
    const std::string preset = request.contains("preset") ? Text(request, "preset") : "custom";
    if (preset == "custom") return {preset, IorOf(request)};
    const tools::Metal* metal = tools::FindMetal(preset);
    if (metal == nullptr) throw BadRequest("unknown preset '" + preset + "'");
    return {preset, metal->ior};
}

json Eval(const json& request) {
    const NamedMetal metal = MetalOf(request);
    tools::SampleInput sample;
    sample.ior = metal.ior;
    sample.mu = Number(request, "mu");
    sample.hue = NumberOr(request, "hue", 0.0f);
    sample.sat = NumberOr(request, "sat", 0.0f);
    sample.gamma = NumberOr(request, "gamma", 1.0f);
    const AColor c = tools::CoreEvaluator().Evaluate(sample);
    CapturedOutput output;
    tools::PrintEvalReport(metal.name, sample, std::nullopt, c);
    return {{"rgba", json::array({c.r, c.g, c.b, c.a})}, {"mono", Mono(c)}, {"text", output.Out()}};
}

// The CIE tables, embedded in the module's file system at /data.
const tools::CieTables& EmbeddedCieTables() {
    static const tools::CieTables tables = [] {
        const auto text = [](std::string_view name) {
            std::ifstream in("/data/" + std::string(name), std::ios::binary);
            std::ostringstream all;
            all << in.rdbuf();
            return all.str();
        };
        tools::CieParse parse =
            tools::ParseCieTables(text(tools::kObserverFile), tools::kObserverFile,
                                  text(tools::kIlluminantFile), tools::kIlluminantFile);
        if (!parse.tables) throw std::runtime_error(parse.error);
        return std::move(*parse.tables);
    }();
    return tables;
}

// A YAML scalar as the native reader gives it: its text. The page's reader has turned
// numbers and booleans into values; their JSON text is theirs.
std::optional<std::string> ScalarText(const json& node) {
    if (node.is_string()) return node.get<std::string>();
    if (node.is_number() || node.is_boolean()) return node.dump();
    return std::nullopt;
}

tools::NkStructure StructureOf(const json& request) {
    tools::NkStructure file;
    file.topLevelMap = !request.contains("top_level_map") || request["top_level_map"] != false;
    const auto blocks = request.find("blocks");
    if (blocks == request.end() || !blocks->is_array()) return file;
    file.data.emplace();
    for (const json& entry : *blocks) {
        tools::NkBlock block;
        block.isMap = entry.is_object();
        if (block.isMap) {
            if (entry.contains("type")) block.type = ScalarText(entry["type"]).value_or("");
            if (entry.contains("data")) block.data = ScalarText(entry["data"]);
        }
        file.data->push_back(std::move(block));
    }
    return file;
}

// The warnings a report wrote, without the command's prefix.
json Warnings(const std::string& err, const std::string& prefix) {
    json warnings = json::array();
    std::istringstream lines(err);
    for (std::string line; std::getline(lines, line);) {
        warnings.push_back(line.rfind(prefix, 0) == 0 ? line.substr(prefix.size()) : line);
    }
    return warnings;
}

// The nk report of a result: the six values, the warnings and the text.
json NkAnswer(tools::NkResult result) {
    const ComplexIOR ior = result.metal.ior;
    CapturedOutput output;
    tools::PrintNkReport(std::move(result));
    return {{"n", IorJson(ior, false)},
            {"k", IorJson(ior, true)},
            {"warnings", Warnings(output.Err(), "veltrane nk: warning: ")},
            {"text", output.Out()}};
}

// A fault the command reports as a usage error, in the text it prints after its prefix.
json Refusal(const std::string& message) {
    return {{"error", tools::Escaped(message)}};
}

json NkBlocks(const json& request) {
    const std::string file = Text(request, "file");
    if (request.contains("yaml_error")) {
        return Refusal(file + ": not valid YAML (" + Text(request, "yaml_error") + ")");
    }
    const bool spectral = request.contains("spectral") && request["spectral"] == true;
    tools::NkParse parse = tools::TableFromBlocks(StructureOf(request), file);
    if (!parse.table) return Refusal(parse.error);
    try {
        tools::MetalInput metal =
            tools::MetalFromTable(*parse.table, file, spectral ? &EmbeddedCieTables() : nullptr);
        tools::AddRangeWarnings(metal);
        return NkAnswer(tools::NkFromMetal(std::move(metal)));
    } catch (const tools::UsageError& e) {
        return Refusal(e.what());
    }
}

// A triple as the command line spells it: the floats' shortest decimals, comma-separated.
std::string TripleText(const std::array<float, 3>& v) {
    return fmt::format("{},{},{}", v[0], v[1], v[2]);
}

std::array<float, 3> CheckedTriple(const json& request, const char* key, float high) {
    const auto v = Triple(request, key);
    for (float x : v) {
        if (!(x >= 0.0f && x <= high)) {
            throw BadRequest(std::string("\"") + key + "\" " + TripleText(v) +
                             ": each value must lie in 0 to " + fmt::format("{}", high));
        }
    }
    return v;
}

json ArtistToNk(const json& request) {
    const auto f0 = CheckedTriple(request, "f0", 1.0f);
    const auto edge = CheckedTriple(request, "edge", 1.0f);
    return NkAnswer(
        tools::NkFromArtist(f0, edge, "f0 " + TripleText(f0) + ", edge tint " + TripleText(edge)));
}

json NkToArtist(const json& request) {
    const auto n = CheckedTriple(request, "n", 100.0f);
    const auto k = CheckedTriple(request, "k", 100.0f);
    tools::MetalInput metal;
    metal.source = "custom";
    metal.ior = {n[0], n[1], n[2], k[0], k[1], k[2]};
    json answer = NkAnswer(tools::NkFromMetal(std::move(metal)));
    json f0 = json::array(), edge = json::array();
    for (std::size_t c = 0; c < 3; ++c) {
        const tools::ArtistChannel artist = tools::ArtistFromIor(n[c], k[c]);
        f0.push_back(artist.reflectivity);
        edge.push_back(artist.edgeTint);
    }
    answer["f0"] = f0;
    answer["edge"] = edge;
    return answer;
}

// Every step of the sweep, or `points` steps spread evenly over it from 0 to 90 degrees.
std::vector<int> SweepSteps(const json& request) {
    const float wanted = request.contains("points") ? Number(request, "points") : kSweepAll;
    // Checked as a float: a count beyond int would not convert.
    if (!(wanted >= 2.0f && wanted <= static_cast<float>(kSweepAll))) {
        throw BadRequest("\"points\" must lie in 2 to " + std::to_string(kSweepAll));
    }
    const int points = static_cast<int>(wanted);
    std::vector<int> steps;
    for (int i = 0; i < points; ++i) {
        steps.push_back(static_cast<int>(
            std::lround(static_cast<double>(i) * tools::kSweepSteps / (points - 1))));
    }
    return steps;
}

json Curves(const json& request) {
    const std::string model = request.contains("model") ? Text(request, "model") : "exact";
    if (model != "exact" && model != "openpbr") throw BadRequest("unknown model '" + model + "'");
    const auto reference = model == "exact" ? tools::Reference::kExact : tools::Reference::kOpenPbr;
    const NamedMetal metal = MetalOf(request);
    tools::Material material;
    material.name = metal.name;
    material.ior = metal.ior;
    const std::vector<int> steps = SweepSteps(request);

    CapturedOutput output;
    const tools::CurveSet set = reference == tools::Reference::kExact ? tools::ExactSet(material)
                                                                      : tools::OpenPbrSet(material);
    tools::PrintCurvesReport({set}, reference);
    json angles = json::array(), map = json::array(), curve = json::array();
    for (int step : steps) {
        const float mu = tools::SweepFacing(step);
        const AColor closed = FresnelConductorColor(mu, material.ior);
        const auto i = static_cast<std::size_t>(step);
        angles.push_back(tools::SweepDegrees(step));
        map.push_back(Rgb(closed.r, closed.g, closed.b));
        curve.push_back({set.values[0][i], set.values[1][i], set.values[2][i]});
    }
    json largest = json::array();
    const float n[3] = {material.ior.nR, material.ior.nG, material.ior.nB};
    const float k[3] = {material.ior.kR, material.ior.kG, material.ior.kB};
    for (std::size_t c = 0; c < 3; ++c) {
        largest.push_back(tools::DeviationFrom(n[c], k[c], set.values[c]).largest);
    }
    return {
        {"angles", angles},     {"map", map},
        {"reference", curve},   {"max_diff", largest},
        {"text", output.Out()}, {"warnings", Warnings(output.Err(), "veltrane curves: warning: ")}};
}

tools::Model ModelNamed(const std::string& name) {
    if (name == "openpbr") return tools::Model::kOpenPbr;
    if (name == "standard-surface") return tools::Model::kStandardSurface;
    throw BadRequest("unknown model '" + name + "'");
}

tools::Triple Doubles(const std::array<float, 3>& v) {
    return {double{v[0]}, double{v[1]}, double{v[2]}};
}

json Convert(const json& request) {
    tools::Conversion conv;
    if (request.contains("from")) {
        conv.model = ModelNamed(Text(request, "from"));
        const auto base = CheckedTriple(request, "base_color", 1.0f);
        const auto specular = CheckedTriple(request, "specular_color", 1.0f);
        conv.toMap = true;
        conv.baseColor = Doubles(base);
        conv.specularColor = Doubles(specular);
        conv.source = std::string(tools::ModelKey(conv.model)) + " base_color " + TripleText(base) +
                      ", specular_color " + TripleText(specular);
        tools::IorFromColours(conv);
    } else {
        conv.model = ModelNamed(Text(request, "to"));
        const NamedMetal metal = MetalOf(request);
        conv.ior = metal.ior;
        conv.source = "custom";
        if (const tools::Metal* known = tools::FindMetal(metal.name)) {
            conv.source = std::string(known->name) + " (" + std::string(known->source) + ")";
        } else {
            CheckedTriple(request, "n", 100.0f);
            CheckedTriple(request, "k", 100.0f);
        }
        tools::ColoursFromIor(conv);
    }
    CapturedOutput output;
    tools::PrintConversionTable(conv);
    return {{"n", IorJson(conv.ior, false)}, {"k", IorJson(conv.ior, true)},
            {"base_color", conv.baseColor},  {"specular_color", conv.specularColor},
            {"warnings", conv.warnings},     {"text", output.Out()}};
}

json Snippet(const json& request) {
    return {{"text", tools::MaxScriptSnippet(IorOf(request))}};
}

using Operation = std::function<json(const json&)>;

const std::map<std::string, Operation>& Operations() {
    static const std::map<std::string, Operation> operations = {
        {"metals", Metals},           {"typed", Typed},        {"eval", Eval},
        {"snippet", Snippet},         {"nk_blocks", NkBlocks}, {"artist_to_nk", ArtistToNk},
        {"nk_to_artist", NkToArtist}, {"curves", Curves},      {"convert", Convert},
    };
    return operations;
}

}  // namespace

std::string Answer(const std::string& requestJson) {
    try {
        const json request = json::parse(requestJson);
        if (!request.is_object()) throw BadRequest("the request is not an object");
        const std::string op = Text(request, "op");
        const auto it = Operations().find(op);
        if (it == Operations().end()) throw BadRequest("unknown op '" + op + "'");
        return it->second(request).dump();
    } catch (const std::exception& e) {
        return json{{"error", e.what()}}.dump();
    }
}

}  // namespace veltrane::web
