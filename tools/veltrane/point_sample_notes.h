// Where a metal's n and k differ from the point samples of its database file: the values
// the tools list are checked against the file they name rather than trusted as typed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/metals/metal_table.h"
#include "tools/metals/nk_file.h"

namespace veltrane::tools {

/// One of a metal's six values that its file does not give.
struct SampleDifference {
    std::string parameter;       // "n red" ... "k blue"
    float value = 0.0f;          // the metal's
    std::optional<double> file;  // the file's linear interpolation; nothing outside its data
};

/// The metal's values (n then k; red, green, blue) that are not their file's point sample
/// at the channel's wavelength to five significant digits (or to the value's own digits
/// where it has more): 0.615 agrees with 0.614997, 0.97907 does not with 0.979022, nor 2.219
/// with 2.21906.
std::vector<SampleDifference> DifferencesFromFile(const Metal& metal, const NkTable& table);

/// "n red 1.3424 (file 1.34563)": a difference for people.
std::string DescribeDifference(const SampleDifference& difference);

}  // namespace veltrane::tools
