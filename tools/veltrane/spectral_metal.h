// A metal from a database file as a spectral renderer shows it, and the map's n and k
// fitted to that look: the shared step of nk, convert and curves with --spectral.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/complex_ior.h"
#include "tools/metals/cie_tables.h"
#include "tools/metals/spectral_colour.h"
#include "tools/metals/two_angle_fit.h"

namespace veltrane::tools {

struct SpectralMetal {
    SpectralNk nk;                      // the data on the CIE grid
    Rgb f0{}, edge{};                   // linear sRGB at mu = 1 and kEdgeFacing, unclipped
    Rgb f0Shown{}, edgeShown{};         // the same clipped into [0, 1]
    std::array<FittedChannel, 3> fit;   // per channel, to f0Shown and edgeShown
    ComplexIOR ior;                     // the fit as the map's six values
    std::vector<std::string> warnings;  // held ends, colours outside sRGB, fit clamps
};

/// Integrates the file's data over the tables' grid at both angles and fits the map's n, k.
/// Data not covering 400 to 700 nm is a UsageError naming the file and its range.
SpectralMetal IntegrateMetal(const NkTable& table, const CieTables& tables,
                             const std::string& path);

/// A warning where the data ends inside the tables' grid: the held ranges and their share.
void NoteHeldEnds(const SpectralNk& nk, const std::string& path,
                  std::vector<std::string>& warnings);

/// Warnings for a channel of a two-angle fit: the colour head-on (named f0Name) clipped at
/// the pole, an edge colour out of the closed form's reach.
void NoteFit(const FittedChannel& fit, std::size_t channel, const char* f0Name,
             std::vector<std::string>& warnings);

/// The integrated colour at every facing value of the curves' sweep, clipped into [0, 1].
std::array<std::vector<double>, 3> SpectralSweep(const CieTables& tables, const SpectralNk& nk);

}  // namespace veltrane::tools
