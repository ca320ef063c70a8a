// Text from the command line or an input file as an error message quotes it.
#pragma once

#include <string>
#include <string_view>

namespace veltrane::tools {

/// `text` with control bytes written as \xNN, so that a message quoting it stays one line
/// whatever the text held (a file name with a line break, binary input).
std::string Escaped(std::string_view text);

/// Escaped, and at most 40 characters of `text` (then "..."): a value in a message.
std::string Shown(std::string_view text);

}  // namespace veltrane::tools
