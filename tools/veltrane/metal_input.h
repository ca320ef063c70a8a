// The metal a data command works on: a named metal, six typed values or a refractive-index
// database file (point-sampled, or integrated over the spectrum), with what the report says
// of its source and the warnings about it, in the same words for every command.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/complex_ior.h"
#include "tools/metals/cie_tables.h"
#include "tools/metals/nk_table.h"
#include "tools/veltrane/spectral_metal.h"

namespace veltrane::tools {

/// The options that choose the metal, as typed; empty where not given.
struct MetalInputText {
    std::string preset;  // --preset NAME
    std::string n, k;    // --n R,G,B with --k R,G,B, each 0 to the map's range
    std::string file;    // FILE.yml
    bool spectral = false;
    std::string data;  // --data DIR, the CIE tables for spectral
};

struct MetalInput {
    /// "copper (Babar & Weaver 2015, ...)", "custom", "Cu.yml (n 0.2 to 12 um, k ...)".
    std::string source;
    ComplexIOR ior;
    /// The spectral colours and fit where the file was integrated.
    std::optional<SpectralMetal> spectral;
    std::vector<std::string> warnings;
};

/// Whether text names any metal input at all.
bool HasMetalInput(const MetalInputText& text);

/// The metal the options name: the file first (with spectral, integrated), then the preset,
/// then the six values. A UsageError for spectral without a file, for typed values outside
/// 0 to kMapIorLimit, and for a file that cannot be read or does not cover the channels.
/// Values from a file beyond the map's range are kept and warned of: the map clamps them.
MetalInput ReadMetalInput(const MetalInputText& text);

/// The metal of a database file's table read from path: point-sampled at the channel
/// wavelengths, or, given the CIE tables, integrated over the spectrum and fitted. A
/// UsageError names path where the data does not reach the wavelengths needed. No range
/// warnings yet (AddRangeWarnings).
MetalInput MetalFromTable(const NkTable& table, const std::string& path, const CieTables* spectral);

/// Warns of each value beyond the map's range, which the map clamps: only a file can give
/// such values, typed ones are refused.
void AddRangeWarnings(MetalInput& input);

/// "red f0 clamped to 0.999: f0 = 1 is a pole of the mapping (n and k grow without bound)": a
/// colour head-on of 1 (quantity "f0", "base_color") that had to be clamped.
std::string PoleWarning(std::size_t channel, const std::string& quantity);

/// Prints each warning on standard error as "veltrane COMMAND: warning: TEXT".
void PrintWarnings(const std::string& command, const std::vector<std::string>& warnings);

}  // namespace veltrane::tools
