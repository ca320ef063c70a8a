// LoadStringW through a module handle, as the plug-in calls it: the module is a loaded
// shared object that embeds veltrane.res.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/host/loaded_module.h"

namespace {

using standin::test::LoadedModule;

struct Loaded {
    int result;
    std::wstring text;
};

// Calls LoadStringW into a buffer with a guard character after `bufferMax` characters.
Loaded Load(HINSTANCE instance, UINT id, int bufferMax) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(std::max(bufferMax, 0)) + 1, L'#');
    const int result = LoadStringW(instance, id, buffer.data(), bufferMax);
    EXPECT_EQ(buffer.back(), L'#') << "wrote past bufferMax";
    return {result, std::wstring(buffer.data(), buffer.size() - 1)};
}

TEST(LoadStringW, CopiesTheStringAndCountsItsCharacters) {
    LoadedModule module(RESOURCE_MODULE);
    ASSERT_NE(module.Instance(), nullptr) << module.Error();
    struct Case {
        UINT id;
        int bufferMax;
        int result;
        const wchar_t* text;  // buffer contents up to and including the null
    };
    const Case cases[] = {
        {26, 256, 8, L"Homepage"},
        {1, 256, 18, L"Complex IOR TexMap"},
        {27, 256, 6, L"Output"},
        {26, 9, 8, L"Homepage"},              // exactly room for the null
        {26, 8, 7, L"Homepag"},               // cut to bufferMax - 1 characters
        {26, 1, 0, L""},                      // room for the null only
        {28, 256, 0, L""},                    // not in the table
        {0, 256, 0, L""},                     // string 0 is empty: not found
        {0x10000 + 26, 256, 8, L"Homepage"},  // the high word is ignored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << ", bufferMax " << c.bufferMax);
        const Loaded loaded = Load(module.Instance(), c.id, c.bufferMax);
        EXPECT_EQ(loaded.result, c.result);
        EXPECT_EQ(loaded.text.c_str(), std::wstring(c.text));
        EXPECT_EQ(loaded.text[static_cast<std::size_t>(c.result)], L'\0');
    }
}

TEST(LoadStringW, WritesNothingWithoutAUsableBufferOrModule) {
    LoadedModule module(RESOURCE_MODULE);
    LoadedModule bare(BARE_MODULE);
    ASSERT_NE(module.Instance(), nullptr) << module.Error();
    ASSERT_NE(bare.Instance(), nullptr) << bare.Error();

    // bufferMax 0 asks Windows for a read-only pointer: not supported, nothing written.
    EXPECT_EQ(Load(module.Instance(), 26, 0).result, 0);
    EXPECT_EQ(Load(module.Instance(), 26, -1).result, 0);
    EXPECT_EQ(LoadStringW(module.Instance(), 26, nullptr, 256), 0);
    EXPECT_EQ(Load(nullptr, 26, 256).result, 0);
    const Loaded fromBare = Load(bare.Instance(), 26, 256);
    EXPECT_EQ(fromBare.result, 0);
    EXPECT_EQ(fromBare.text[0], L'\0');
}

}  // namespace
