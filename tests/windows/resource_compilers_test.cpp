// The module's resources as windres compiled them into veltrane.dlt, against llvm-rc's
// veltrane.res of the same script, entry by entry: the same types, names and languages, the
// same bytes, except that dialog templates compare field by field with class names without
// case (windres upper-cases them; window class lookup ignores case).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/src/dialog_template.h"
#include "host/src/resource_file.h"
#include "tests/host/loaded_module.h"

namespace {

using standin::NameOrOrdinal;

std::optional<standin::ResourceFile> ReadLlvmRcOutput() {
    std::ifstream in(VELTRANE_RESOURCE_FILE, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return standin::ResourceFile::Parse(bytes.data(), bytes.size(), nullptr);
}

LPCWSTR AsResourceName(const NameOrOrdinal& name, std::wstring& storage) {
    if (name.isOrdinal) return MAKEINTRESOURCEW(name.ordinal);
    storage.assign(name.name.begin(), name.name.end());
    return storage.c_str();
}

// The module's copy of an entry: its bytes, or empty if the module has none.
std::vector<std::uint8_t> ModuleEntry(HMODULE module, const standin::Resource& entry) {
    std::wstring type, name;
    HRSRC found = FindResourceExW(module, AsResourceName(entry.type, type),
                                  AsResourceName(entry.name, name), entry.language);
    if (found == nullptr) return {};
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    return std::vector<std::uint8_t>(data, data + SizeofResource(module, found));
}

std::u16string Lower(std::u16string text) {
    for (char16_t& c : text) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return text;
}

bool SameClass(const NameOrOrdinal& a, const NameOrOrdinal& b) {
    if (a.isOrdinal || b.isOrdinal) return a == b;
    return Lower(a.name) == Lower(b.name);
}

testing::AssertionResult SameDialog(const std::vector<std::uint8_t>& fromWindres,
                                    const standin::Resource& fromLlvmRc) {
    std::string error;
    const auto w = standin::DecodeDialogTemplate(fromWindres.data(), fromWindres.size(), &error);
    const auto l = standin::DecodeDialogTemplate(fromLlvmRc.data, fromLlvmRc.size, &error);
    if (!w || !l) return testing::AssertionFailure() << "undecodable template: " << error;
    if (w->style != l->style || w->exStyle != l->exStyle || w->x != l->x || w->y != l->y ||
        w->cx != l->cx || w->cy != l->cy || w->title != l->title ||
        !SameClass(w->windowClass, l->windowClass) || w->font.has_value() != l->font.has_value() ||
        (w->font &&
         (w->font->pointSize != l->font->pointSize || w->font->typeface != l->font->typeface))) {
        return testing::AssertionFailure() << "the dialog headers differ";
    }
    if (w->items.size() != l->items.size()) {
        return testing::AssertionFailure()
               << w->items.size() << " items against " << l->items.size();
    }
    for (std::size_t i = 0; i < w->items.size(); ++i) {
        const standin::DialogItem& a = w->items[i];
        const standin::DialogItem& b = l->items[i];
        if (a.id != b.id || a.style != b.style || a.exStyle != b.exStyle || a.x != b.x ||
            a.y != b.y || a.cx != b.cx || a.cy != b.cy || !(a.text == b.text) ||
            !SameClass(a.windowClass, b.windowClass) || a.creationData != b.creationData) {
            return testing::AssertionFailure() << "item " << i << " (ID " << a.id << ") differs";
        }
    }
    return testing::AssertionSuccess();
}

TEST(ResourceCompilers, WindresAndLlvmRcAgreeEntryByEntry) {
    const auto llvmRc = ReadLlvmRcOutput();
    ASSERT_TRUE(llvmRc) << VELTRANE_RESOURCE_FILE;
    standin::test::LoadedModule module(VELTRANE_MODULE);
    ASSERT_NE(module.Instance(), nullptr) << module.Error();
    ASSERT_FALSE(llvmRc->Resources().empty());
    for (const standin::Resource& entry : llvmRc->Resources()) {
        SCOPED_TRACE(testing::Message() << "type " << entry.type.ordinal << ", name "
                                        << entry.name.ordinal << ", language " << entry.language);
        const std::vector<std::uint8_t> inModule = ModuleEntry(module.Instance(), entry);
        ASSERT_FALSE(inModule.empty()) << "missing from the module";
        if (entry.type == NameOrOrdinal(standin::kRtDialog)) {
            EXPECT_TRUE(SameDialog(inModule, entry));
        } else {
            EXPECT_TRUE(inModule.size() == entry.size &&
                        std::memcmp(inModule.data(), entry.data, entry.size) == 0)
                << "the bytes differ";
        }
    }
}

// Counts the module's entries, so that windres cannot have added any.
BOOL CALLBACK CountLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD, LONG_PTR count) {
    ++*reinterpret_cast<std::size_t*>(count);
    return TRUE;
}
BOOL CALLBACK CountNames(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR count) {
    EnumResourceLanguagesW(module, type, name, CountLanguage, count);
    return TRUE;
}
BOOL CALLBACK CountTypes(HMODULE module, LPWSTR type, LONG_PTR count) {
    EnumResourceNamesW(module, type, CountNames, count);
    return TRUE;
}

TEST(ResourceCompilers, TheModuleHoldsNoOtherEntries) {
    const auto llvmRc = ReadLlvmRcOutput();
    ASSERT_TRUE(llvmRc);
    standin::test::LoadedModule module(VELTRANE_MODULE);
    ASSERT_NE(module.Instance(), nullptr) << module.Error();
    std::size_t count = 0;
    EnumResourceTypesW(module.Instance(), CountTypes, reinterpret_cast<LONG_PTR>(&count));
    EXPECT_EQ(count, llvmRc->Resources().size());
}

}  // namespace
