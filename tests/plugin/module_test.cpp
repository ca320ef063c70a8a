// The plug-in module as the host sees it: loaded through the stand-in loader, queried only
// through its exports.
#include <gtest/gtest.h>
#include <plugapi.h>
#include <standin/module_loader.h>

#include <climits>
#include <string>

#include "tests/support/load_module.h"

namespace {

using standin::Module;

std::unique_ptr<Module> LoadVeltrane() {
    return LoadOrFail(VELTRANE_MODULE);
}

std::wstring Text(const MCHAR* text) {
    return text ? text : L"(null)";
}

TEST(PluginModule, DeclaresTheHostVersionItWasBuiltFor) {
    const auto module = LoadVeltrane();
    ASSERT_TRUE(module);
    const ULONG version = module->LibVersion();
    EXPECT_EQ(version, 0x6D604400u);
    EXPECT_EQ(GET_MAX_RELEASE(version), 28000u);
    EXPECT_EQ(GET_MAX_API_NUM(version), 68u);
    EXPECT_EQ(GET_MAX_SDK_REV(version), 0u);
}

TEST(PluginModule, OffersOneClassDescriptorAtIndexZeroOnly) {
    const auto module = LoadVeltrane();
    ASSERT_TRUE(module);
    EXPECT_EQ(module->LibNumberClasses(), 1);
    ClassDesc* desc = module->LibClassDesc(0);
    ASSERT_NE(desc, nullptr);
    EXPECT_EQ(module->LibClassDesc(0), desc);
    for (int i : {1, -1, 2, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(module->LibClassDesc(i), nullptr);
    }
}

TEST(PluginModule, ClassDescriptorIdentity) {
    const auto module = LoadVeltrane();
    ASSERT_TRUE(module);
    ClassDesc* desc = module->LibClassDesc(0);
    ASSERT_NE(desc, nullptr);
    EXPECT_EQ(desc->ClassID(), Class_ID(0x9F6ECB34, 0x768F22AB));
    EXPECT_EQ(desc->SuperClassID(), static_cast<SClass_ID>(TEXMAP_CLASS_ID));
    EXPECT_EQ(desc->IsPublic(), TRUE);
    // Constants, so they need no string table.
    EXPECT_EQ(Text(desc->NonLocalizedClassName()), L"Veltrane");
    EXPECT_EQ(Text(desc->InternalName()), L"Veltrane");
    // DllMain stored the handle the loader passed; the host reads resources through it.
    EXPECT_EQ(desc->HInstance(), module->Instance());
}

// Needs the module's string table.
TEST(PluginModule, DescriptionAndLocalisedNamesComeFromTheStringTable) {
    const auto module = LoadVeltrane();
    ASSERT_TRUE(module);
    ClassDesc* desc = module->LibClassDesc(0);
    ASSERT_NE(desc, nullptr);
    EXPECT_EQ(Text(module->LibDescription()), L"Complex IOR TexMap");
    EXPECT_EQ(Text(desc->ClassName()), L"Veltrane");
    EXPECT_EQ(Text(desc->Category()), L"Standard");
}

// Needs the module's string table.
TEST(PluginModule, DescriptionAndClassNameShareOneBuffer) {
    const auto module = LoadVeltrane();
    ASSERT_TRUE(module);
    const MCHAR* description = module->LibDescription();
    ASSERT_NE(description, nullptr);
    const MCHAR* className = module->LibClassDesc(0)->ClassName();
    EXPECT_EQ(className, description);
    EXPECT_EQ(Text(description), L"Veltrane");
}

TEST(PluginModule, InitializeAndShutdownInAnyNumberAndOrder) {
    const auto module = LoadVeltrane();
    ASSERT_TRUE(module);
    ClassDesc* desc = module->LibClassDesc(0);
    for (const char* sequence : {"IS", "SI", "IIISS", "SSS", "ISISIS"}) {
        SCOPED_TRACE(sequence);
        for (const char* c = sequence; *c; ++c) {
            EXPECT_EQ(*c == 'I' ? module->LibInitialize() : module->LibShutdown(), 1);
        }
        EXPECT_EQ(module->LibClassDesc(0), desc);
        EXPECT_EQ(module->LibNumberClasses(), 1);
    }
}

TEST(PluginModule, LoadsAndUnloadsRepeatedly) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        const auto module = LoadVeltrane();
        ASSERT_TRUE(module);
        ClassDesc* desc = module->LibClassDesc(0);
        ASSERT_NE(desc, nullptr);
        EXPECT_EQ(desc->ClassID(), Class_ID(0x9F6ECB34, 0x768F22AB));
        EXPECT_EQ(desc->HInstance(), module->Instance());
    }
}

}  // namespace
