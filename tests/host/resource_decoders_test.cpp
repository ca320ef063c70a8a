// Decoders of string-table blocks, dialog templates and bitmaps, and UTF-16 conversion, on
// hand-made data: the cases the module's own resources do not exercise.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "host/src/dialog_template.h"
#include "host/src/string_table.h"
#include "host/src/utf16.h"
#include "tests/host/dib.h"
#include "tests/host/res_builder.h"

namespace standin {
namespace {

using test::BuildResFile;
using test::ByteWriter;

std::vector<std::uint8_t> StringBlock(const std::vector<std::u16string>& strings) {
    ByteWriter block;
    for (const std::u16string& text : strings) {
        block.U16(static_cast<std::uint16_t>(text.size()));
        for (char16_t unit : text) {
            block.U16(unit);
        }
    }
    return block.Bytes();
}

TEST(StringTable, EntryByIndexWithinTruncatedBlocks) {
    const std::vector<std::uint8_t> block = StringBlock({u"", u"ab", u"", u"xyz"});
    struct Case {
        unsigned index;
        std::size_t length;  // of the block prefix
        std::optional<std::u16string> expected;
    };
    const Case cases[] = {
        {0, block.size(), u""},
        {1, block.size(), u"ab"},
        {2, block.size(), u""},
        {3, block.size(), u"xyz"},
        {4, block.size(), std::nullopt},   // the block ends before string 4
        {16, block.size(), std::nullopt},  // a block holds 16 strings
        {1, 8, u"ab"},                     // exactly up to string 1's end
        {1, 7, std::nullopt},              // string 1's text cut
        {3, 11, std::nullopt},             // string 3's length cut in half
        {0, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index << ", length " << c.length);
        EXPECT_EQ(StringTableEntry(block.data(), c.length, c.index), c.expected);
    }
}

TEST(StringTable, FindStringPrefersTheLanguageThenAnyBlock) {
    std::vector<std::u16string> british(16);
    british[1] = u"colour";
    british[2] = u"only British";
    std::vector<std::u16string> american(16);
    american[1] = u"color";
    const std::vector<std::uint8_t> bytes = BuildResFile({
        {kRtString, 1, 2057, StringBlock(british)},
        {kRtString, 1, 1033, StringBlock(american)},
        {kRtString, 2, 1033, StringBlock({u"sixteen"})},
        {kRtString, 3, 2057, StringBlock({u"thirty-two"})},
    });
    const std::optional<ResourceFile> file =
        ResourceFile::Parse(bytes.data(), bytes.size(), nullptr);
    ASSERT_TRUE(file);
    struct Case {
        std::uint32_t id;
        std::uint16_t language;
        std::optional<std::u16string> expected;
    };
    const Case cases[] = {
        {1, 1033, u"color"},
        {1, 2057, u"colour"},
        {1, 1031, u"colour"},  // no German block: the first block in the file
        {2, 2057, u"only British"},
        {2, 1033, std::nullopt},  // the language picks the block, not the string
        {16, 1033, u"sixteen"},
        {32, 1033, u"thirty-two"},      // block 3 exists only in British English
        {0, 1033, std::nullopt},        // empty strings count as missing
        {17, 1033, std::nullopt},       // block 2 ends after string 16
        {48, 1033, std::nullopt},       // no block 4
        {0x10001, 1033, std::nullopt},  // beyond 16-bit IDs, not string 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << ", language " << c.language);
        EXPECT_EQ(FindString(*file, c.id, c.language), c.expected);
    }
}

// One DIALOGEX header without a font, and one item with the fields the module's own template
// leaves at zero: named class, help ID, extended style, creation data, a menu and a title.
ByteWriter SmallDialog(std::uint16_t itemCount) {
    ByteWriter dialog;
    dialog.U16(1).U16(0xFFFF).U32(7).U32(0x100).U32(0x10000000).U16(itemCount);
    dialog.U16(1).U16(2).U16(30).U16(40);
    dialog.Field(NameOrOrdinal(200)).Field(NameOrOrdinal(u"DlgClass")).Text(u"Title");
    return dialog;
}

TEST(DialogTemplate, DecodesFieldsTheModuleLeavesAtZero) {
    ByteWriter dialog = SmallDialog(2);
    dialog.Align4().U32(11).U32(0x200).U32(0x50000000).U16(0xFFFF).U16(0xFFFE).U16(5).U16(6);
    dialog.U32(1234).Field(NameOrOrdinal(u"MyClass")).Field(NameOrOrdinal(7));
    dialog.U16(3).U8(0xA).U8(0xB).U8(0xC);
    dialog.Align4().U32(0).U32(0).U32(0).U16(0).U16(0).U16(0).U16(0);
    dialog.U32(0xFFFFFFFF).Field(NameOrOrdinal(kAtomEdit)).Text(u"").U16(0);

    std::string error;
    const std::optional<DialogTemplate> decoded =
        DecodeDialogTemplate(dialog.Bytes().data(), dialog.Bytes().size(), &error);
    ASSERT_TRUE(decoded) << error;
    EXPECT_EQ(decoded->helpId, 7u);
    EXPECT_EQ(decoded->exStyle, 0x100u);
    EXPECT_EQ(decoded->style, 0x10000000u);
    EXPECT_EQ(decoded->cx, 30);
    EXPECT_TRUE(decoded->menu == NameOrOrdinal(200));
    EXPECT_TRUE(decoded->windowClass == NameOrOrdinal(u"DlgClass"));
    EXPECT_EQ(decoded->title, u"Title");
    EXPECT_FALSE(decoded->font);
    ASSERT_EQ(decoded->items.size(), 2u);
    const DialogItem& item = decoded->items[0];
    EXPECT_EQ(item.helpId, 11u);
    EXPECT_EQ(item.exStyle, 0x200u);
    EXPECT_EQ(item.x, -1);
    EXPECT_EQ(item.y, -2);
    EXPECT_EQ(item.id, 1234);
    EXPECT_TRUE(item.windowClass == NameOrOrdinal(u"MyClass"));
    EXPECT_TRUE(item.text == NameOrOrdinal(7));
    EXPECT_EQ(item.creationData, (std::vector<std::uint8_t>{0xA, 0xB, 0xC}));
    EXPECT_EQ(decoded->items[1].id, -1);
    EXPECT_TRUE(decoded->items[1].windowClass == NameOrOrdinal(kAtomEdit));
    EXPECT_TRUE(decoded->items[1].text == NameOrOrdinal(std::u16string()));
}

TEST(DialogTemplate, RefusesOtherFormatsAndShortData) {
    const std::vector<std::uint8_t> oldStyle =
        ByteWriter().U32(0x50000040).U32(0).U16(0).U16(0).U16(0).U16(10).U16(10).Bytes();
    std::vector<std::uint8_t> titleCut = SmallDialog(0).Bytes();
    titleCut.resize(titleCut.size() - 2);  // the title's null
    struct Case {
        const char* note;
        std::vector<std::uint8_t> bytes;
        std::string error;
    };
    const Case cases[] = {
        {"old DLGTEMPLATE", oldStyle, "not an extended dialog template (DLGTEMPLATEEX)"},
        {"more items than data", SmallDialog(65535).Bytes(),
         "truncated dialog item at offset 60 (item 0)"},
        {"unterminated title", titleCut, "unterminated dialog title at offset 48"},
        {"empty", {}, "truncated dialog header at offset 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        std::string error;
        EXPECT_FALSE(DecodeDialogTemplate(c.bytes.data(), c.bytes.size(), &error));
        EXPECT_EQ(error, c.error);
    }
}

// BITMAPINFOHEADER fields in file order; the default is a valid 3 x 2, 1-bit bitmap.
struct DibHeader {
    std::uint32_t headerSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 1;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
};

std::vector<std::uint8_t> Dib(const DibHeader& h, std::size_t paletteEntries,
                              const std::vector<std::uint8_t>& pixels) {
    ByteWriter dib;
    dib.U32(h.headerSize).U32(static_cast<std::uint32_t>(h.width));
    dib.U32(static_cast<std::uint32_t>(h.height)).U16(h.planes).U16(h.bitCount);
    dib.U32(h.compression).U32(0).U32(0).U32(0).U32(h.colorsUsed).U32(0);
    for (std::size_t i = 0; i < paletteEntries; ++i) {
        dib.U8(static_cast<std::uint8_t>(i)).U8(0x10).U8(0x20).U8(0);
    }
    return dib.Raw(pixels).Bytes();
}

TEST(Dib, DecodesRowsTopDownWhateverTheStoredOrder) {
    // Rows are 4 bytes; pixel bits are read from the most significant end.
    const std::vector<std::uint8_t> rows = {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0};
    DibHeader bottomUp;
    DibHeader topDown;
    topDown.height = -2;
    for (const DibHeader& header : {bottomUp, topDown}) {
        SCOPED_TRACE(header.height);
        std::string error;
        const std::vector<std::uint8_t> bytes = Dib(header, 2, rows);
        const std::optional<DibBitmap> dib = DecodeDib(bytes.data(), bytes.size(), &error);
        ASSERT_TRUE(dib) << error;
        ASSERT_EQ(dib->palette.size(), 2u);
        EXPECT_EQ(dib->palette[1].blue, 1);
        EXPECT_EQ(dib->palette[1].green, 0x10);
        EXPECT_EQ(dib->palette[1].red, 0x20);
        const std::vector<std::uint8_t> firstStored = {1, 0, 1};
        const std::vector<std::uint8_t> secondStored = {0, 1, 0};
        const bool up = header.height > 0;
        EXPECT_EQ(std::vector<std::uint8_t>(dib->indices.begin(), dib->indices.begin() + 3),
                  up ? secondStored : firstStored);
        EXPECT_EQ(std::vector<std::uint8_t>(dib->indices.begin() + 3, dib->indices.end()),
                  up ? firstStored : secondStored);
    }
}

TEST(Dib, RefusesWhatItCannotDecodeSafely) {
    auto with = [](auto change) {
        DibHeader header;
        change(header);
        return header;
    };
    const std::vector<std::uint8_t> rows(8, 0);
    struct Case {
        const char* note;
        std::vector<std::uint8_t> bytes;
        std::string error;
    };
    const Case cases[] = {
        {"core header", Dib(with([](DibHeader& h) { h.headerSize = 12; }), 2, rows),
         "unsupported bitmap header of 12 bytes"},
        {"header longer than the data", Dib(with([](DibHeader& h) { h.headerSize = 1000; }), 0, {}),
         "truncated bitmap header at offset 40"},
        {"zero width", Dib(with([](DibHeader& h) { h.width = 0; }), 2, rows),
         "bitmap of 0 x 2 pixels"},
        {"most negative height",
         Dib(with([](DibHeader& h) { h.height = std::numeric_limits<std::int32_t>::min(); }), 2,
             rows),
         "bitmap of 3 x -2147483648 pixels"},
        {"two planes", Dib(with([](DibHeader& h) { h.planes = 2; }), 2, rows),
         "bitmap with 2 planes"},
        {"run-length encoded", Dib(with([](DibHeader& h) { h.compression = 2; }), 2, rows),
         "unsupported bitmap compression 2"},
        {"24 bits per pixel", Dib(with([](DibHeader& h) { h.bitCount = 24; }), 0, rows),
         "unsupported bitmap of 24 bits per pixel"},
        {"colour table too long", Dib(with([](DibHeader& h) { h.colorsUsed = 3; }), 3, rows),
         "colour table of 3 entries for 1 bits per pixel"},
        {"colour table cut", Dib(DibHeader(), 1, {}), "truncated colour table at offset 44"},
        {"huge width, few pixels",
         Dib(with([](DibHeader& h) { h.width = std::numeric_limits<std::int32_t>::max(); }), 2,
             rows),
         "bitmap pixels truncated: 2 rows of 268435456 bytes need more than the 8 left"},
        {"pixel outside the colour table",
         Dib(with([](DibHeader& h) { h.bitCount = 4, h.colorsUsed = 2; }), 2,
             {0x01, 0x50, 0, 0, 0, 0, 0, 0}),
         "pixel (2, 1) uses colour 5 of a table of 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        std::string error;
        EXPECT_FALSE(DecodeDib(c.bytes.data(), c.bytes.size(), &error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(Utf16, DecodesIntoWideCharactersWithinTheLimit) {
    struct Case {
        const char* note;
        std::u16string text;
        std::size_t max;
        std::wstring expected;
    };
    const Case cases[] = {
        {"ASCII", u"Gold", 10, L"Gold"},
        {"Latin-1 signs", u"\u00B5\u00B1\u00B0", 10, L"\u00B5\u00B1\u00B0"},
        {"surrogate pair", u"a\U0001F600b", 10, L"a\U0001F600b"},
        // wchar_t holds a code point on Linux, a UTF-16 unit on Windows; a pair is never cut.
        {"limit counts characters", u"\U0001F600\U0001F600", sizeof(wchar_t) == 4 ? 1u : 2u,
         L"\U0001F600"},
        {"a pair does not fit one unit", u"\U0001F600", 1,
         sizeof(wchar_t) == 4 ? L"\U0001F600" : L""},
        {"limit cuts", u"Homepage", 4, L"Home"},
        {"limit zero", u"Homepage", 0, L""},
        {"lone high surrogate at the end", u"a\xD83D", 10, L"a\uFFFD"},
        {"lone high surrogate before text", u"\xD83Dx", 10, L"\uFFFDx"},
        {"lone low surrogate", u"\xDE00x", 10, L"\uFFFDx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        wchar_t out[16] = {};
        const std::size_t count = DecodeUtf16(c.text, out, c.max);
        EXPECT_EQ(std::wstring(out, count), c.expected);
    }
}

}  // namespace
}  // namespace standin
