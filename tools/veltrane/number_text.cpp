// Both on libfmt: its "{}" of a float is the shortest round-trip text, and neither depends
// on the C locale.
#include "tools/veltrane/number_text.h"

#include <fmt/format.h>

namespace veltrane::tools {

std::string ShortestText(float value) {
    return fmt::format(FMT_STRING("{}"), value);
}

std::string FixedText(double value, int decimals) {
    return fmt::format(FMT_STRING("{:.{}f}"), value, decimals);
}

}  // namespace veltrane::tools
