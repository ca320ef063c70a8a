// Case folding of ASCII letters only: names and endings are ASCII, and the C locale's
// tolower would make the result depend on the user's locale.
#include "tools/veltrane/ignoring_case.h"

#include <algorithm>

namespace veltrane::tools {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace veltrane::tools
