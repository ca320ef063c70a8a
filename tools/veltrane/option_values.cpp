#include "tools/veltrane/option_values.h"

#include <cstdio>

#include "tools/veltrane/command_line.h"
#include "tools/veltrane/number_parsing.h"
#include "tools/veltrane/preset_names.h"

namespace veltrane::tools {
namespace {

Material NamedMaterial(const std::string& name) {
    const Metal& metal = MetalOption(name);
    return {std::string(metal.name), metal.ior, std::string(metal.displayName)};
}

}  // namespace

const Metal& MetalOption(const std::string& name) {
    const Metal* metal = FindMetalByName(name);
    if (metal == nullptr) {
        throw UsageError("unknown preset '" + name + "' (valid presets: " + MetalNameList() + ")");
    }
    return *metal;
}

float NumberOption(const std::string& option, const std::string& text) {
    if (const auto value = ParseFloat(text)) return *value;
    throw UsageError(option + ": '" + text +
                     "' is not a number (valid: a decimal such as -12.5 or 1e-3, nan, inf)");
}

std::array<float, 3> TripleOption(const std::string& option, const std::string& text) {
    if (const auto values = ParseTriple(text)) return *values;
    throw UsageError(option + ": '" + text +
                     "' is not three numbers (valid: R,G,B such as 0.27,0.98,1.22)");
}

std::array<float, 3> BoundedTripleOption(const std::string& option, const std::string& text,
                                         double low, double high) {
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
    if (presets.empty()) return {ReadMaterial(presets, n, k)};
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

}  // namespace veltrane::tools
