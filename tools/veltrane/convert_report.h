// The conversions of `veltrane convert` between the map's n and k and the colour-based metal
// models, and its table report.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/complex_ior.h"
#include "tools/veltrane/spectral_metal.h"

namespace veltrane::tools {

using Triple = std::array<double, 3>;

enum class Model { kOpenPbr, kStandardSurface };

/// One conversion: its input described for the report, the direction, and both sides.
struct Conversion {
    std::string source;
    Model model = Model::kOpenPbr;
    bool toMap = false;  // --from: the result is n and k
    ComplexIOR ior;
    Triple baseColor{}, specularColor{};
    std::optional<SpectralMetal> spectral;
    std::vector<std::string> warnings;
};

/// The model's title in the report, and its key ("openpbr", "standard-surface").
const char* ModelTitle(Model model);
const char* ModelKey(Model model);

/// Fills conv's colours from its n and k, with a warning for each colour clipped.
void ColoursFromIor(Conversion& conv);

/// Fills conv's n and k from its colours, with a warning for each pole or unreachable edge.
void IorFromColours(Conversion& conv);

/// Prints the table report on standard output; with toMap, the MAXScript snippet after it.
void PrintConversionTable(const Conversion& conv);

}  // namespace veltrane::tools
