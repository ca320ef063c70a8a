// Conversion of UTF-16 text, as resources store it, into the platform's 32-bit wchar_t.
#pragma once

#include <cstddef>
#include <string>

#include "standin/exports.h"

namespace standin {

// Writes the code points of `text` to `out`, at most `max` of them, and returns how many it
// wrote. A surrogate pair becomes one code point; an unpaired surrogate becomes U+FFFD.
STANDIN_EXPORT std::size_t DecodeUtf16(const std::u16string& text, wchar_t* out, std::size_t max);

// The whole of `text`, decoded as DecodeUtf16 does.
std::wstring WideFromUtf16(const std::u16string& text);

}  // namespace standin
