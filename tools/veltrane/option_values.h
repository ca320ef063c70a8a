// Checked option values shared by the commands: numbers, R,G,B triples and the metal a
// command works on. Each mistake is a UsageError naming the option, the value and what is
// valid.
#pragma once

#include <CLI/CLI.hpp>

#include <array>
#include <string>
#include <vector>

#include "core/complex_ior.h"
#include "tools/metals/metal_table.h"

namespace veltrane::tools {

/// The range of the map's n and k parameters: typed indices outside it are refused by the
/// commands that model the map (the map itself would clamp them).
constexpr double kMapIorLimit = 100.0;

/// The option's text as a float (see ParseFloat).
float NumberOption(const std::string& option, const std::string& text);

/// The number in text if it lies in [low, high]; otherwise a UsageError naming option, the
/// text and the range.
float NumberOptionIn(const std::string& option, const std::string& text, float low, float high);

/// Nothing if value lies in [low, high]; otherwise a UsageError naming option, the text
/// typed, the value as it was typed where the text holds several, and the range.
void CheckOptionRange(const std::string& option, const std::string& text, float value, float low,
                      float high);

/// A whole number in [low, high], or a UsageError naming option, the text and the range.
int WholeOptionIn(const std::string& option, const std::string& text, int low, int high);

/// The option's text as three floats "R,G,B".
std::array<float, 3> TripleOption(const std::string& option, const std::string& text);

/// TripleOption with each value within [low, high] (NaN is outside).
std::array<float, 3> BoundedTripleOption(const std::string& option, const std::string& text,
                                         double low, double high);

/// A UsageError for a value that is none of an option's choices: "OPTION: 'TEXT' is not
/// WHAT (valid: VALID)", the text shortened and escaped as any value in a message.
[[noreturn]] void RefuseChoice(const std::string& option, const std::string& text,
                               const std::string& what, const std::string& valid);

/// The metal of a --preset NAME: any metal of the tools' table.
const Metal& MetalOption(const std::string& name);

/// A metal to work on: its name ("copper", or "custom" for typed values), its values, a
/// title for pictures ("Copper") and the plug-in's preset index (0 for typed values and for
/// metals that are no preset of the plug-in).
struct Material {
    std::string name;
    ComplexIOR ior;
    std::string title;
    int preset = 0;
};

/// The metal of --preset NAME (any metal of the tools' table), or of --n R,G,B with
/// --k R,G,B when preset is empty. Neither given: a UsageError.
Material ReadMaterial(const std::string& preset, const std::string& n, const std::string& k);

/// Like ReadMaterial, but preset may be a comma-separated list of names, or "all" for every
/// metal of the table, and typed values must lie in 0 to kMapIorLimit (NaN is outside).
std::vector<Material> ReadMaterials(const std::string& presets, const std::string& n,
                                    const std::string& k);

/// The options that choose a metal and its colour controls, as typed.
struct MetalOptionText {
    std::string preset, n, k, hue, sat, gamma;
};

/// The options AddMetalOptions added, for further relations between options.
struct MetalOptionSet {
    CLI::Option *preset, *n, *k, *hue, *sat, *gamma;
};

/// Adds --preset (its value shown as presetValue, described by presetHelp), --n and --k
/// (each needs the other, neither goes with --preset), --hue, --sat and --gamma to command.
MetalOptionSet AddMetalOptions(CLI::App& command, MetalOptionText& text,
                               const std::string& presetValue, const std::string& presetHelp);

}  // namespace veltrane::tools
