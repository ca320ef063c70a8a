// The .res container: lookups by type, name and language, and refusal of malformed files.
#include "host/src/resource_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/host/res_builder.h"

namespace standin {
namespace {

using test::BuildResFile;
using test::ByteWriter;
using test::EntryHeader;
using test::ResEntry;

const NameOrOrdinal kCustomType(u"CUSTOM");
const NameOrOrdinal kNamed(u"NAMED");

std::vector<ResEntry> SampleEntries() {
    return {
        {kRtString, 1, 1033, {1, 2, 3}}, {kRtString, 1, 2057, {4, 5, 6, 7, 8}},
        {kRtString, 2, 2057, {9}},       {kCustomType, kNamed, 1033, {10, 11}},
        {kRtDialog, 101, 1033, {}},
    };
}

std::optional<ResourceFile> ParseBytes(const std::vector<std::uint8_t>& bytes,
                                       std::string* error = nullptr) {
    return ResourceFile::Parse(bytes.data(), bytes.size(), error);
}

std::vector<std::uint8_t> Data(const Resource* entry) {
    return entry == nullptr ? std::vector<std::uint8_t>{}
                            : std::vector<std::uint8_t>(entry->data, entry->data + entry->size);
}

TEST(ResourceFile, FindsByTypeNameAndLanguage) {
    const std::optional<ResourceFile> file = ParseBytes(BuildResFile(SampleEntries()));
    ASSERT_TRUE(file);
    enum Lookup { kExact, kPreferred, kAny };
    struct Case {
        const char* note;
        Lookup lookup;
        NameOrOrdinal type, name;
        std::uint16_t language;
        std::vector<std::uint8_t> expected;  // empty: not found (or the empty dialog)
        bool found;
    };
    const Case cases[] = {
        {"exact language", kExact, kRtString, 1, 2057, {4, 5, 6, 7, 8}, true},
        {"exact, other language", kExact, kRtString, 1, 1033, {1, 2, 3}, true},
        {"exact, language missing", kExact, kRtString, 2, 1033, {}, false},
        {"preferred language present", kPreferred, kRtString, 1, 2057, {4, 5, 6, 7, 8}, true},
        {"preferred falls back", kPreferred, kRtString, 2, 1033, {9}, true},
        {"any language: first in file", kAny, kRtString, 1, 0, {1, 2, 3}, true},
        {"named type and name", kExact, kCustomType, kNamed, 1033, {10, 11}, true},
        {"ordinal is not the name", kAny, kRtString, NameOrOrdinal(u"1"), 0, {}, false},
        {"names compare exactly", kAny, NameOrOrdinal(u"custom"), kNamed, 0, {}, false},
        {"empty data", kExact, kRtDialog, 101, 1033, {}, true},
        {"type mismatch", kAny, kRtBitmap, 101, 0, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const Resource* entry = c.lookup == kExact ? file->Find(c.type, c.name, c.language)
                                : c.lookup == kPreferred
                                    ? file->FindPreferred(c.type, c.name, c.language)
                                    : file->FindAnyLanguage(c.type, c.name);
        EXPECT_EQ(entry != nullptr, c.found);
        EXPECT_EQ(Data(entry), c.expected);
    }
}

TEST(ResourceFile, KeepsItsOwnCopyOfTheBytes) {
    std::vector<std::uint8_t> bytes = BuildResFile(SampleEntries());
    std::optional<ResourceFile> file = ParseBytes(bytes);
    ASSERT_TRUE(file);
    std::fill(bytes.begin(), bytes.end(), 0xEE);
    const ResourceFile moved = std::move(*file);
    EXPECT_EQ(Data(moved.Find(kRtString, 1, 1033)), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(ResourceFile, NullEntryAloneIsAnEmptyFile) {
    const std::optional<ResourceFile> file = ParseBytes(BuildResFile({}));
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->Resources().empty());
}

TEST(ResourceFile, ToleratesMissingPaddingAfterTheLastEntry) {
    std::vector<std::uint8_t> bytes = BuildResFile({{kRtString, 1, 1033, {42}}});
    bytes.resize(bytes.size() - 3);  // the data's three bytes of padding
    const std::optional<ResourceFile> file = ParseBytes(bytes);
    ASSERT_TRUE(file);
    EXPECT_EQ(Data(file->Find(kRtString, 1, 1033)), std::vector<std::uint8_t>{42});
}

// Files whose lengths lie: every one is refused with a message, never read past its end.
TEST(ResourceFile, RefusesMalformedFiles) {
    const std::vector<std::uint8_t> nullEntry = BuildResFile({});
    const std::vector<std::uint8_t> header = EntryHeader({kRtString, 1, 1033, {1, 2, 3, 4}});
    auto withEntry = [&](std::vector<std::uint8_t> entry) {
        return ByteWriter().Raw(nullEntry).Raw(entry).Bytes();
    };
    auto patched = [&](std::size_t offset, std::uint32_t value) {
        std::vector<std::uint8_t> entry = header;
        for (int i = 0; i < 4; ++i) {
            entry[offset + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(value >> (8 * i));
        }
        entry.insert(entry.end(), {1, 2, 3, 4});
        return withEntry(entry);
    };
    const std::vector<std::uint8_t> unterminatedName =
        ByteWriter().U32(0).U32(16).U16(u'A').U16(u'B').U16(u'C').U16(u'D').Bytes();
    const std::vector<std::uint8_t> sixteenBit =
        ByteWriter().U8(0xFF).U16(6).U8(0xFF).U16(1).U16(0x1030).U32(4).U32(0).Bytes();

    struct Case {
        const char* note;
        std::vector<std::uint8_t> bytes;
        std::string error;
    };
    const Case cases[] = {
        {"empty", {}, "empty resource file"},
        {"16-bit resource file", sixteenBit,
         "not a 32-bit resource file: the leading null entry is missing"},
        {"null entry with data",
         ByteWriter().U32(4).Raw({nullEntry.begin() + 4, nullEntry.end()}).U32(0).Bytes(),
         "not a 32-bit resource file: the leading null entry is missing"},
        {"data size past the end", patched(0, 0xFFFFFFFF),
         "resource data of 4294967295 bytes at offset 64 runs past the end of the file"},
        {"header size past the end", patched(4, 0xFFFFFFF0),
         "resource header of 4294967280 bytes at offset 32 runs past the end of the file"},
        {"header size too small for its fields", patched(4, 20),
         "truncated resource header at offset 52"},
        {"header size below its two lengths", patched(4, 4),
         "truncated resource header at offset 32"},
        {"unterminated type name", withEntry(unterminatedName),
         "unterminated resource type at offset 40"},
        {"half an entry", withEntry({4, 0, 0, 0, 32, 0}), "truncated resource entry at offset 36"},
        {"stray bytes after the last entry", ByteWriter().Raw(nullEntry).U8(0).U8(0).U8(0).Bytes(),
         "truncated resource entry at offset 32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        std::string error;
        EXPECT_FALSE(ParseBytes(c.bytes, &error));
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
}  // namespace standin
