// Checked option values shared by the commands: numbers, R,G,B triples and the metal a
// command works on. Each mistake is a UsageError naming the option, the value and what is
// valid.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/complex_ior.h"
#include "tools/metals/metal_table.h"

namespace veltrane::tools {

/// The option's text as a float (see ParseFloat).
float NumberOption(const std::string& option, const std::string& text);

/// The option's text as three floats "R,G,B".
std::array<float, 3> TripleOption(const std::string& option, const std::string& text);

/// TripleOption with each value within [low, high] (NaN is outside).
std::array<float, 3> BoundedTripleOption(const std::string& option, const std::string& text,
                                         double low, double high);

/// The metal of a --preset NAME: any metal of the tools' table.
const Metal& MetalOption(const std::string& name);

/// A metal to work on: its name ("copper", or "custom" for typed values), its index and a
/// title for pictures ("Copper").
struct Material {
    std::string name;
    ComplexIOR ior;
    std::string title;
};

/// The metal of --preset NAME (any metal of the tools' table), or of --n R,G,B with
/// --k R,G,B when preset is empty. Neither given: a UsageError.
Material ReadMaterial(const std::string& preset, const std::string& n, const std::string& k);

/// Like ReadMaterial, but preset may be a comma-separated list of names, or "all" for every
/// metal of the table.
std::vector<Material> ReadMaterials(const std::string& presets, const std::string& n,
                                    const std::string& k);

}  // namespace veltrane::tools
