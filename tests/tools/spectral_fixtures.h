// The shipped CIE tables, small synthetic database files and cut curves for the spectral
// tests.
#pragma once

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/metals/cie_tables.h"
#include "tools/metals/nk_file.h"

namespace veltrane::tools {

inline std::string ShippedFile(const std::string& name) {
    return std::string(VELTRANE_DATA_DIR) + "/" + name;
}

inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline CieTables ShippedTables() {
    const std::string observer = ShippedFile(std::string(kObserverFile));
    const std::string illuminant = ShippedFile(std::string(kIlluminantFile));
    return *ParseCieTables(FileText(observer), observer, FileText(illuminant), illuminant).tables;
}

// The curve between `first` and `last` um: its rows there, and its interpolations at both
// ends, as data that ends there would give.
inline std::vector<NkSample> Cut(const std::vector<NkSample>& curve, double first, double last) {
    std::vector<NkSample> cut = {{first, *Interpolate(curve, first)}};
    for (const NkSample& s : curve) {
        if (s.wavelength > first && s.wavelength < last) cut.push_back(s);
    }
    cut.push_back({last, *Interpolate(curve, last)});
    return cut;
}

// A tabulated nk file with the same n and k at two wavelengths (um).
inline std::string FlatNkFile(double first, double last, double n, double k) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "DATA:\n  - type: tabulated nk\n    data: |\n        %g %g %g\n"
                  "        %g %g %g\n",
                  first, n, k, last, n, k);
    return text;
}

}  // namespace veltrane::tools
