// Quoting user text in messages: shortened, with control characters made visible.
#include "tools/veltrane/shown_text.h"

#include <cstdio>

namespace veltrane::tools {

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string Shown(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    return Escaped(text.substr(0, kLongest)) + (text.size() > kLongest ? "..." : "");
}

}  // namespace veltrane::tools
