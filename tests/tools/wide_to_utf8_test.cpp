// WideToUtf8: every encoding length, null and empty input, and the replacement of what is not
// a character.
#include "tools/veltrane/wide_to_utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(WideToUtf8, EncodesEveryLengthAndReplacesInvalidUnits) {
    const struct {
        const wchar_t* wide;
        const char* utf8;
        const char* note;
    } cases[] = {
        {L"Veltrane", "Veltrane", "ASCII"},
        {L"", "", "empty"},
        {nullptr, "", "null"},
        {L"\u00B5m \u00B1 1\u00B0", "\xC2\xB5m \xC2\xB1 1\xC2\xB0",
         "two-byte: micro, plus-minus, degree"},
        {L"\u20AC", "\xE2\x82\xAC", "three-byte"},
        {L"\U0001F600", "\xF0\x9F\x98\x80", "four-byte"},
        {L"a\xD800z", "a\xEF\xBF\xBDz", "lone surrogate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(WideToUtf8(c.wide), c.utf8);
    }
}

TEST(WideToUtf8, ReplacesValuesBeyondUnicode) {
    if (sizeof(wchar_t) != 4) GTEST_SKIP() << "only a 32-bit wchar_t holds such values";
    const wchar_t beyond[] = {static_cast<wchar_t>(0x110000), L'\0'};
    EXPECT_EQ(WideToUtf8(beyond), "\xEF\xBF\xBD");
}

}  // namespace
