// The compiled veltrane.res: the rollout's dialog template, the string table and the three
// colour bars, byte for byte as the host reads them.
#include <gtest/gtest.h>

#include <array>

#include "host/src/dialog_template.h"
#include "host/src/resource_file.h"
#include "host/src/string_table.h"
#include "tests/host/dib.h"
#include "tests/host/res_builder.h"

namespace standin {
namespace {

constexpr std::uint16_t kEnglishUs = 1033;
constexpr std::uint16_t kEnglishUk = 2057;

// Window styles.
constexpr std::uint32_t kChildVisible = 0x50000000;  // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kVScroll = 0x00200000;
constexpr std::uint32_t kSsLeft = 0x0;
constexpr std::uint32_t kSsRight = 0x2;
constexpr std::uint32_t kSsBitmap = 0xE;
constexpr std::uint32_t kBsGroupBox = 0x7;
constexpr std::uint32_t kCbsDropDown = 0x2;

class VeltraneResources : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        const std::vector<std::uint8_t> bytes = test::ReadFileBytes(VELTRANE_RESOURCE_FILE);
        std::string error;
        file = new std::optional<ResourceFile>(
            ResourceFile::Parse(bytes.data(), bytes.size(), &error));
        ASSERT_TRUE(*file) << VELTRANE_RESOURCE_FILE << ": " << error;
    }
    static void TearDownTestSuite() {
        delete file;
        file = nullptr;
    }
    static const ResourceFile& Res() { return **file; }

    static std::optional<ResourceFile>* file;
};

std::optional<ResourceFile>* VeltraneResources::file = nullptr;

TEST_F(VeltraneResources, HoldsTheDialogTwoStringBlocksAndThreeBitmaps) {
    struct Entry {
        std::uint16_t type, name, language;
    };
    const Entry expected[] = {
        {kRtDialog, 101, kEnglishUs}, {kRtString, 1, kEnglishUs},   {kRtString, 2, kEnglishUs},
        {kRtBitmap, 103, kEnglishUk}, {kRtBitmap, 104, kEnglishUk}, {kRtBitmap, 105, kEnglishUk},
    };
    ASSERT_EQ(Res().Resources().size(), std::size(expected));
    for (const Entry& e : expected) {
        SCOPED_TRACE(testing::Message() << "type " << e.type << ", name " << e.name);
        EXPECT_NE(Res().Find(e.type, e.name, e.language), nullptr);
    }
}

TEST_F(VeltraneResources, StringTable) {
    const char16_t* const expected[] = {
        u"Complex IOR TexMap",
        u"Standard",
        u"Veltrane",
        u"Parameters",
        u"nRvalue",
        u"nGvalue",
        u"nBvalue",
        u"kRvalue",
        u"kGvalue",
        u"kBvalue",
        u"Presets",
        u"Custom",
        u"Silver",
        u"Aluminium",
        u"Gold",
        u"Cobalt",
        u"Chromium",
        u"Copper",
        u"Iron",
        u"Nickel",
        u"Platinum",
        u"Titanium",
        u"Gamma",
        u"Hue",
        u"Saturation",
        u"Homepage",
        u"Output",
    };
    for (std::uint32_t id = 1; id <= std::size(expected); ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(FindString(Res(), id, kEnglishUs), std::u16string(expected[id - 1]));
    }
    EXPECT_EQ(FindString(Res(), 0, kEnglishUs), std::nullopt);
    EXPECT_EQ(FindString(Res(), 28, kEnglishUs), std::nullopt);
}

std::optional<DialogTemplate> Rollout(const ResourceFile& res, std::string* error) {
    const Resource* entry = res.Find(kRtDialog, 101, kEnglishUs);
    if (entry == nullptr) {
        *error = "no dialog 101";
        return std::nullopt;
    }
    return DecodeDialogTemplate(entry->data, entry->size, error);
}

TEST_F(VeltraneResources, DialogHeaderAndFont) {
    std::string error;
    const std::optional<DialogTemplate> dialog = Rollout(Res(), &error);
    ASSERT_TRUE(dialog) << error;
    EXPECT_EQ(dialog->style, 0x50000040u);
    EXPECT_EQ(dialog->exStyle, 0u);
    EXPECT_EQ(dialog->helpId, 0u);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 217);
    EXPECT_EQ(dialog->cy, 179);
    EXPECT_TRUE(dialog->menu == NameOrOrdinal(std::u16string()));
    EXPECT_TRUE(dialog->windowClass == NameOrOrdinal(std::u16string()));
    EXPECT_EQ(dialog->title, u"");
    ASSERT_TRUE(dialog->font);
    EXPECT_EQ(dialog->font->pointSize, 8);
    EXPECT_EQ(dialog->font->weight, 0);
    EXPECT_EQ(dialog->font->italic, 0);
    EXPECT_EQ(dialog->font->charset, 0);
    EXPECT_EQ(dialog->font->typeface, u"MS Sans Serif");
}

TEST_F(VeltraneResources, DialogControls) {
    const NameOrOrdinal button(kAtomButton);
    const NameOrOrdinal statik(kAtomStatic);
    const NameOrOrdinal combo(kAtomComboBox);
    const NameOrOrdinal edit(u"CustEdit");
    const NameOrOrdinal spinner(u"SpinnerControl");
    const NameOrOrdinal custButton(u"CustButton");
    const NameOrOrdinal none(std::u16string{});
    auto text = [](const char16_t* s) { return NameOrOrdinal(std::u16string(s)); };
    const std::uint32_t label = kSsRight | kGroup;
    const std::uint32_t heading = kSsLeft | kGroup;

    struct Control {
        NameOrOrdinal windowClass;
        std::int32_t id;
        NameOrOrdinal text;
        std::int16_t x, y, cx, cy;
        std::uint32_t style;  // beyond WS_CHILD | WS_VISIBLE
    };
    const Control expected[] = {
        {edit, 1490, none, 59, 24, 35, 10, kTabStop},
        {spinner, 1496, none, 95, 24, 7, 10, 0},
        {statik, -1, text(u"Wavelength:"), 8, 13, 46, 8, label},
        {statik, -1, text(u"R (0.650 \u00B5m)"), 59, 13, 42, 8, heading},
        {statik, -1, text(u"G (0.510 \u00B5m)"), 112, 13, 42, 8, heading},
        {statik, -1, text(u"B (0.475 \u00B5m)"), 165, 13, 41, 8, heading},
        {statik, -1, text(u"n:"), 41, 24, 13, 8, label},
        {statik, -1, text(u"k:"), 41, 37, 13, 8, label},
        {edit, 1491, none, 112, 24, 35, 10, kTabStop},
        {spinner, 1497, none, 148, 24, 7, 10, 0},
        {edit, 1492, none, 165, 24, 35, 10, kTabStop},
        {spinner, 1498, none, 201, 24, 7, 10, 0},
        {edit, 1493, none, 59, 37, 35, 10, kTabStop},
        {spinner, 1499, none, 95, 37, 7, 10, 0},
        {edit, 1494, none, 112, 37, 35, 10, kTabStop},
        {spinner, 1500, none, 148, 37, 7, 10, 0},
        {edit, 1495, none, 165, 37, 35, 10, kTabStop},
        {spinner, 1501, none, 201, 37, 7, 10, 0},
        {combo, 1001, none, 112, 54, 97, 30, kCbsDropDown | kVScroll | kTabStop},
        {statik, -1, text(u"Presets:"), 69, 56, 39, 8, label},
        {button, -1, text(u"Color Adjustment"), 2, 70, 213, 53, kBsGroupBox},
        {statik, -1, text(u"Gamma:"), 36, 83, 72, 8, label},
        {statik, -1, text(u"Hue Shift (\u00B1\u00B0):"), 36, 96, 72, 8, label},
        {statik, -1, text(u"Saturation (\u00B1%):"), 36, 109, 72, 8, label},
        {edit, 1502, none, 113, 83, 35, 10, kTabStop},
        {spinner, 1503, none, 149, 83, 7, 10, 0},
        {edit, 1504, none, 113, 96, 35, 10, kTabStop},
        {spinner, 1505, none, 149, 96, 7, 10, 0},
        {edit, 1506, none, 113, 109, 35, 10, kTabStop},
        {spinner, 1507, none, 149, 109, 7, 10, 0},
        {statik, -1, text(u"Veltrane | Version 1.1.4"), 2, 128, 125, 8, heading},
        {custButton, 1004, text(u"Homepage"), 134, 126, 80, 11, kTabStop},
        {statik, -1,
         text(u"Written by the Veltrane developers.\n"
              u"Metal presets from published optical constants."),
         2, 142, 205, 17, heading},
        {custButton, 1006, text(u"RefractiveIndex.INFO"), 134, 164, 80, 11, kTabStop},
        {statik, -1, text(u"Presets and data:"), 2, 165, 127, 8, label},
        {statik, 1009, NameOrOrdinal(103), 59, 7, 43, 2, kSsBitmap},
        {statik, 1010, NameOrOrdinal(104), 112, 7, 43, 2, kSsBitmap},
        {statik, 1011, NameOrOrdinal(105), 165, 7, 43, 2, kSsBitmap},
    };

    std::string error;
    const std::optional<DialogTemplate> dialog = Rollout(Res(), &error);
    ASSERT_TRUE(dialog) << error;
    ASSERT_EQ(dialog->items.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(testing::Message() << "control " << i);
        const DialogItem& item = dialog->items[i];
        const Control& e = expected[i];
        EXPECT_TRUE(item.windowClass == e.windowClass);
        EXPECT_EQ(item.id, e.id);
        EXPECT_TRUE(item.text == e.text);
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.cx, e.cx);
        EXPECT_EQ(item.cy, e.cy);
        EXPECT_EQ(item.style, kChildVisible | e.style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_TRUE(item.creationData.empty());
    }
}

// The standard 16-colour palette, (R, G, B).
constexpr std::array<std::array<std::uint8_t, 3>, 16> kStandardPalette = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

TEST_F(VeltraneResources, ColourBars) {
    struct Bar {
        std::uint16_t id;
        std::uint8_t entry;
        std::array<std::uint8_t, 3> colour;
    };
    const Bar bars[] = {
        {103, 9, {255, 0, 0}},
        {104, 10, {0, 189, 0}},
        {105, 12, {0, 0, 255}},
    };
    for (const Bar& bar : bars) {
        SCOPED_TRACE(bar.id);
        const Resource* entry = Res().Find(kRtBitmap, bar.id, kEnglishUk);
        ASSERT_NE(entry, nullptr);
        std::string error;
        const std::optional<DibBitmap> dib = DecodeDib(entry->data, entry->size, &error);
        ASSERT_TRUE(dib) << error;
        EXPECT_EQ(dib->headerSize, 40u);
        EXPECT_EQ(dib->width, 65);
        EXPECT_EQ(dib->height, 4);  // positive: bottom-up
        EXPECT_EQ(dib->planes, 1);
        EXPECT_EQ(dib->bitCount, 4);
        EXPECT_EQ(dib->compression, kBiRgb);

        std::array<std::array<std::uint8_t, 3>, 16> palette = kStandardPalette;
        palette[bar.entry] = bar.colour;  // a no-op except for bitmap 104's entry 10
        ASSERT_EQ(dib->palette.size(), palette.size());
        for (std::size_t i = 0; i < palette.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "palette entry " << i);
            EXPECT_EQ(dib->palette[i].red, palette[i][0]);
            EXPECT_EQ(dib->palette[i].green, palette[i][1]);
            EXPECT_EQ(dib->palette[i].blue, palette[i][2]);
            EXPECT_EQ(dib->palette[i].reserved, 0);
        }
        EXPECT_EQ(dib->indices, std::vector<std::uint8_t>(65 * 4, bar.entry));
    }
}

// Every proper prefix of the dialog and bitmap data is refused: nothing of them is optional.
TEST_F(VeltraneResources, TruncatedDataIsRefused) {
    for (const Resource& entry : Res().Resources()) {
        if (entry.type == NameOrOrdinal(kRtString)) {
            continue;  // a cut block still yields the strings before the cut
        }
        SCOPED_TRACE(entry.name.ordinal);
        const bool isDialog = entry.type == NameOrOrdinal(kRtDialog);
        for (std::size_t length = 0; length < entry.size; ++length) {
            std::string error;
            const bool decoded = isDialog
                                     ? DecodeDialogTemplate(entry.data, length, &error).has_value()
                                     : DecodeDib(entry.data, length, &error).has_value();
            EXPECT_FALSE(decoded) << "length " << length;
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST_F(VeltraneResources, EveryTruncatedFileFailsOrKeepsWholeEntries) {
    const std::vector<std::uint8_t> bytes = test::ReadFileBytes(VELTRANE_RESOURCE_FILE);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::optional<ResourceFile> part = ResourceFile::Parse(bytes.data(), length, nullptr);
        if (!part) {
            continue;
        }
        ASSERT_LT(part->Resources().size(), Res().Resources().size()) << "length " << length;
        for (std::size_t i = 0; i < part->Resources().size(); ++i) {
            const Resource& cut = part->Resources()[i];
            const Resource& whole = Res().Resources()[i];
            ASSERT_EQ(cut.size, whole.size) << "length " << length << ", entry " << i;
            EXPECT_TRUE(std::equal(cut.data, cut.data + cut.size, whole.data));
        }
    }
}

}  // namespace
}  // namespace standin
