// Option text to values for the subcommands, with one form of message for every mistake.
#pragma once

#include <CLI/CLI.hpp>

#include <array>
#include <string>

#include "core/complex_ior.h"

namespace veltrane::tools {

/// The number in text, or a UsageError naming option and the text.
float NumberOption(const std::string& option, const std::string& text);

/// The number in text if it lies in [low, high]; otherwise a UsageError naming option, the
/// text and the range.
float NumberOptionIn(const std::string& option, const std::string& text, float low, float high);

/// Nothing if value lies in [low, high]; otherwise a UsageError naming option, the text
/// typed (which may hold several values), the value and the range.
void CheckOptionRange(const std::string& option, const std::string& text, float value, float low,
                      float high);

/// A whole number in [low, high], or a UsageError naming option, the text and the range.
int WholeOptionIn(const std::string& option, const std::string& text, int low, int high);

/// Three comma-separated numbers, or a UsageError naming option and the text.
std::array<float, 3> TripleOption(const std::string& option, const std::string& text);

/// A metal as named on the command line.
struct NamedMetal {
    std::string name;  // a preset's name, or "custom"
    int preset = 0;    // the preset index, 0 for custom values
    ComplexIOR ior;
};

/// The metal of --preset NAME, or of --n R,G,B with --k R,G,B; a UsageError for an unknown
/// name, malformed values, or no material at all.
NamedMetal MetalOption(const std::string& preset, const std::string& n, const std::string& k);

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
