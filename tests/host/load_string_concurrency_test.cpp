// LoadStringW from several threads at once: the first calls parse and cache the module's
// resources, and every thread must see the same strings.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/host/loaded_module.h"

namespace {

using standin::test::LoadedModule;

TEST(LoadStringW, ConcurrentFirstCallsAgree) {
    LoadedModule module(RESOURCE_MODULE);
    ASSERT_NE(module.Instance(), nullptr) << module.Error();
    std::vector<std::wstring> results(4);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < results.size(); ++i) {
        threads.emplace_back([&, i] {
            wchar_t buffer[32];
            for (UINT id = 1; id <= 27; ++id) {
                LoadStringW(module.Instance(), id, buffer, 32);
                results[i] += buffer;
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::wstring& result : results) {
        EXPECT_EQ(result, results[0]);
    }
    EXPECT_EQ(results[0].substr(0, 18), L"Complex IOR TexMap");
}

}  // namespace
