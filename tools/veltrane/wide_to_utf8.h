// Conversion of the host's wide strings to UTF-8 for printing.
#pragma once

#include <string>

// UTF-8 encoding of `text`, read as UTF-16 where wchar_t has 16 bits and as UTF-32
// elsewhere. Unpaired surrogates and values beyond U+10FFFF become U+FFFD; null gives "".
std::string WideToUtf8(const wchar_t* text);
