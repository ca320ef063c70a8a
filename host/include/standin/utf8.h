// UTF-8 encoding of Unicode code points, for text the host and the tools hand to the
// outside world (web addresses, printed names). Header-only: no string crosses the module
// boundary.
#pragma once

#include <string>

namespace standin {

// Appends the UTF-8 bytes of code point c to out. A surrogate (U+D800 to U+DFFF) or a value
// beyond U+10FFFF is no Unicode scalar value and becomes U+FFFD.
inline void AppendUtf8(char32_t c, std::string& out) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
    const auto byte = [&out](char32_t bits) {
        out += static_cast<char>(static_cast<unsigned char>(bits));
    };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

}  // namespace standin
