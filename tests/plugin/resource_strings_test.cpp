// The module's string loader, seen through a test-only module built from the plug-in's
// code with two more exports.
#include <gtest/gtest.h>
#include <standin/module_loader.h>

#include <string>

#include "tests/support/load_module.h"

namespace {

using standin::Module;
using LoadFn = const MCHAR* (*)(int);

struct Probe {
    std::unique_ptr<Module> module;
    LoadFn load = nullptr;

    Probe() {
        module = LoadOrFail(STRINGS_PROBE_MODULE);
        if (module) load = reinterpret_cast<LoadFn>(module->FindExport("ProbeLoadResourceString"));
        EXPECT_NE(load, nullptr);
    }
};

TEST(ResourceStrings, NullBeforeTheModuleHandleIsKnown) {
    const Probe probe;
    ASSERT_TRUE(probe.module);
    auto beforeAttach =
        reinterpret_cast<const MCHAR* (*)()>(probe.module->FindExport("ProbeStringBeforeAttach"));
    ASSERT_NE(beforeAttach, nullptr);
    EXPECT_EQ(beforeAttach(), nullptr);
}

// Needs the module's string table for the non-null rows.
TEST(ResourceStrings, LoadsByIdOrGivesNull) {
    const Probe probe;
    ASSERT_TRUE(probe.load);
    const struct {
        int id;
        const wchar_t* expected;  // null: no string
    } cases[] = {
        {26, L"Homepage"}, {1, L"Complex IOR TexMap"}, {28, nullptr}, {0, nullptr}, {-1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const MCHAR* text = probe.load(c.id);
        if (c.expected) {
            ASSERT_NE(text, nullptr);
            EXPECT_EQ(std::wstring(text), c.expected);
        } else {
            EXPECT_EQ(text, nullptr);
        }
    }
}

// Needs the module's string table.
TEST(ResourceStrings, EachLoadOverwritesTheOneSharedBuffer) {
    const Probe probe;
    ASSERT_TRUE(probe.load);
    const MCHAR* first = probe.load(26);
    ASSERT_NE(first, nullptr);
    const MCHAR* second = probe.load(3);
    EXPECT_EQ(second, first);
    EXPECT_EQ(std::wstring(first), L"Veltrane");
}

}  // namespace
