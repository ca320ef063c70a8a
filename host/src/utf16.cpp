// Conversion of UTF-16 text from resources into the platform's wchar_t (UTF-32 here, UTF-16 on
// Windows).
#include "utf16.h"

namespace standin {

// wchar_t holds UTF-32 on Linux and UTF-16 on Windows: a pair becomes one character there and
// stays two here.
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;
static_assert(kWideIsUtf16 || sizeof(wchar_t) == 4, "wchar_t is UTF-16 or UTF-32");

namespace {
bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
}  // namespace

std::size_t DecodeUtf16(const std::u16string& text, wchar_t* out, std::size_t max) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size() && count < max; ++i) {
        char32_t codePoint = text[i];
        if (IsHighSurrogate(codePoint) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            if constexpr (kWideIsUtf16) {
                if (count + 2 > max) break;  // a pair is never split
                out[count++] = static_cast<wchar_t>(text[i]);
                out[count++] = static_cast<wchar_t>(text[++i]);
                continue;
            }
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        } else if (IsHighSurrogate(codePoint) || IsLowSurrogate(codePoint)) {
            codePoint = 0xFFFD;
        }
        out[count++] = static_cast<wchar_t>(codePoint);
    }
    return count;
}

std::wstring WideFromUtf16(const std::u16string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(DecodeUtf16(text, wide.data(), wide.size()));
    return wide;
}

}  // namespace standin
