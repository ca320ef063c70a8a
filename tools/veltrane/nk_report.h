// The report of `veltrane nk`: the source, n and k per channel, the artist values, the
// MAXScript snippet, and the warnings; and the results it reports on, from a database file's
// table or from artist colours.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/complex_ior.h"
#include "tools/metals/cie_tables.h"
#include "tools/metals/nk_table.h"
#include "tools/veltrane/spectral_metal.h"

namespace veltrane::tools {

/// The six values and what the report says about where they come from.
struct NkResult {
    std::string source;
    ComplexIOR ior;
    std::vector<std::string> warnings;
    std::array<bool, 3> f0Clamped{};  // already reported
    std::optional<SpectralMetal> spectral;
};

/// A database file's n and k: point-sampled at the channel wavelengths, or, given the CIE
/// tables, integrated over the spectrum and fitted. A UsageError names path for data that
/// does not reach the wavelengths needed.
NkResult NkFromTable(const NkTable& table, const std::string& path, const CieTables* spectral);

/// n and k of artist colours per channel (each 0 to 1; the pole at f0 = 1 is clamped and
/// noted); source is the report's description of the input.
NkResult NkFromArtist(const std::array<float, 3>& f0, const std::array<float, 3>& edge,
                      const std::string& source);

/// Prints the report on standard output and its warnings, each "veltrane nk: warning: ...",
/// on standard error. Adds the warnings of the artist values and of the map's range to
/// result first.
void PrintNkReport(NkResult result);

}  // namespace veltrane::tools
