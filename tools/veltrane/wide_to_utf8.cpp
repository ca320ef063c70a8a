// Wide strings to UTF-8: surrogate pairs joined where wchar_t is a UTF-16 unit, each code
// point then encoded by the host's encoder.
#include "tools/veltrane/wide_to_utf8.h"

#include <standin/utf8.h>

namespace {

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::string WideToUtf8(const wchar_t* text) {
    std::string out;
    if (!text) return out;
    for (const wchar_t* p = text; *p; ++p) {
        char32_t c = static_cast<char32_t>(*p);
        // A surrogate pair exists only where wchar_t is a UTF-16 unit.
        if (sizeof(wchar_t) == 2 && IsHighSurrogate(c) &&
            IsLowSurrogate(static_cast<char32_t>(p[1]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(p[1]) - 0xDC00);
            ++p;
        }
        standin::AppendUtf8(c, out);
    }
    return out;
}
