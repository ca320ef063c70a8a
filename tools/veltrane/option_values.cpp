// Option values: each checked as typed, and every mistake quoted as it was typed.
#include "tools/veltrane/option_values.h"

#include <charconv>
#include <cmath>

#include "tools/veltrane/command_line.h"
#include "tools/veltrane/number_parsing.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/preset_names.h"
#include "tools/veltrane/shown_text.h"

namespace veltrane::tools {
namespace {

Material NamedMaterial(const std::string& name) {
    const Metal& metal = MetalOption(name);
    return {std::string(metal.name), metal.ior, std::string(metal.displayName), metal.presetIndex};
}

bool SameFloat(float a, float b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The part of text, one value or several separated by commas, that was read as value: as
// typed, so that a message never shows it rounded. Nothing when text is that one value.
std::string TypedValue(const std::string& text, float value) {
    if (text.find(',') == std::string::npos) return {};
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string part = text.substr(start, comma - start);
        const auto parsed = ParseFloat(part);
        if (parsed && SameFloat(*parsed, value)) return part;
        if (comma == std::string::npos) return ShortestText(value);
        start = comma + 1;
    }
}

}  // namespace

const Metal& MetalOption(const std::string& name) {
    const Metal* metal = FindMetalByName(name);
    if (metal == nullptr) {
        throw UsageError("unknown preset '" + Shown(name) + "' (valid presets: " + MetalNameList() +
                         ")");
    }
    return *metal;
}

float NumberOption(const std::string& option, const std::string& text) {
    if (const auto value = ParseFloat(text)) return *value;
    throw UsageError(option + ": '" + Shown(text) +
                     "' is not a number (valid: a decimal such as -12.5 or 1e-3, nan, inf)");
}

void CheckOptionRange(const std::string& option, const std::string& text, float value, float low,
                      float high) {
    if (value >= low && value <= high) return;
    const std::string part = TypedValue(text, value);
    throw UsageError(
        option + ": '" + Shown(text) + "' " + (part.empty() ? "is" : "has " + Shown(part)) +
        " out of range (valid: " + ShortestText(low) + " to " + ShortestText(high) + ")");
}

float NumberOptionIn(const std::string& option, const std::string& text, float low, float high) {
    const float value = NumberOption(option, text);
    CheckOptionRange(option, text, value, low, high);
    return value;
}

int WholeOptionIn(const std::string& option, const std::string& text, int low, int high) {
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    const bool whole = !text.empty() && end == last && ec != std::errc::invalid_argument;
    if (whole && ec == std::errc() && value >= low && value <= high) return value;
    throw UsageError(option + ": '" + Shown(text) + "' is " +
                     (whole ? "out of range" : "not a whole number") +
                     " (valid: " + std::to_string(low) + " to " + std::to_string(high) + ")");
}

void RefuseChoice(const std::string& option, const std::string& text, const std::string& what,
                  const std::string& valid) {
    throw UsageError(option + ": '" + Shown(text) + "' is not " + what + " (valid: " + valid + ")");
}

std::array<float, 3> TripleOption(const std::string& option, const std::string& text) {
    if (const auto values = ParseTriple(text)) return *values;
    throw UsageError(option + ": '" + Shown(text) +
                     "' is not three numbers (valid: R,G,B such as 0.27,0.98,1.22)");
}

std::array<float, 3> BoundedTripleOption(const std::string& option, const std::string& text,
                                         double low, double high) {
    const std::array<float, 3> values = TripleOption(option, text);
    for (float v : values) {
        CheckOptionRange(option, text, v, static_cast<float>(low), static_cast<float>(high));
    }
    return values;
}

Material ReadMaterial(const std::string& preset, const std::string& n, const std::string& k) {
    if (!preset.empty()) return NamedMaterial(preset);
    if (!n.empty() && !k.empty()) {
        const auto nv = TripleOption("--n", n);
        const auto kv = TripleOption("--k", k);
        return {"custom", {nv[0], nv[1], nv[2], kv[0], kv[1], kv[2]}, "Custom"};
    }
    throw UsageError("missing material (valid: --preset NAME, or --n R,G,B with --k R,G,B)");
}

std::vector<Material> ReadMaterials(const std::string& presets, const std::string& n,
                                    const std::string& k) {
    if (presets.empty()) {
        if (!n.empty() && !k.empty()) {
            BoundedTripleOption("--n", n, 0.0, kMapIorLimit);
            BoundedTripleOption("--k", k, 0.0, kMapIorLimit);
        }
        return {ReadMaterial(presets, n, k)};
    }
    std::vector<Material> materials;
    if (presets == "all") {
        for (const Metal& metal : Metals())
            materials.push_back(NamedMaterial(std::string(metal.name)));
        return materials;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = presets.find(',', start);
        materials.push_back(NamedMaterial(presets.substr(start, comma - start)));
        if (comma == std::string::npos) return materials;
        start = comma + 1;
    }
}

MetalOptionSet AddMetalOptions(CLI::App& command, MetalOptionText& text,
                               const std::string& presetValue, const std::string& presetHelp) {
    MetalOptionSet set{};
    set.preset = AddTextOption(command, "--preset", text.preset, presetValue, presetHelp);
    set.n = AddTextOption(command, "--n", text.n, "R,G,B", "Real part of the index per channel");
    set.k = AddTextOption(command, "--k", text.k, "R,G,B", "Extinction coefficient per channel");
    set.hue = AddTextOption(command, "--hue", text.hue, "H", "Hue shift in degrees (default 0)");
    set.sat =
        AddTextOption(command, "--sat", text.sat, "S", "Saturation change in percent (default 0)");
    set.gamma = AddTextOption(command, "--gamma", text.gamma, "G",
                              "Exponent applied to each channel (default 1)");
    set.preset->excludes(set.n)->excludes(set.k);
    set.n->needs(set.k);
    set.k->needs(set.n);
    return set;
}

}  // namespace veltrane::tools
