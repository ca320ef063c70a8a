// Text compared as people type names and file endings: ASCII letters in either case.
#pragma once

#include <string_view>

namespace veltrane::tools {

/// Whether a and b are the same but for the case of ASCII letters.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

/// Whether text ends with suffix, the case of ASCII letters aside (".PNG" ends "x.png").
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);

}  // namespace veltrane::tools
