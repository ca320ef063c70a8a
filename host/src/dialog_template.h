// Decoder of extended dialog templates (DLGTEMPLATEEX), the data of DIALOGEX resources: the
// dialog's header and font and its controls, for a host that builds the dialog itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resource_file.h"
#include "standin/exports.h"

namespace standin {

constexpr std::uint32_t kDsSetFont = 0x40;  // the template carries a font

struct DialogFont {
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 0;
    std::u16string typeface;
};

struct DialogItem {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    std::int32_t id = 0;                        // -1 for statics that nothing addresses
    NameOrOrdinal windowClass;                  // a class atom (0x80 Button ...) or a name
    NameOrOrdinal text;                         // a text, or a resource ordinal (images)
    std::vector<std::uint8_t> creationData;
};

struct DialogTemplate {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::u16string title;
    std::optional<DialogFont> font;  // present when style has kDsSetFont
    std::vector<DialogItem> items;   // in template (tab) order
};

// Window class atoms of the standard controls.
constexpr std::uint16_t kAtomButton = 0x80;
constexpr std::uint16_t kAtomEdit = 0x81;
constexpr std::uint16_t kAtomStatic = 0x82;
constexpr std::uint16_t kAtomListBox = 0x83;
constexpr std::uint16_t kAtomScrollBar = 0x84;
constexpr std::uint16_t kAtomComboBox = 0x85;

// Decodes a DIALOGEX template; the old DLGTEMPLATE format is refused.
STANDIN_EXPORT std::optional<DialogTemplate> DecodeDialogTemplate(const std::uint8_t* data,
                                                                  std::size_t size,
                                                                  std::string* error);

}  // namespace standin
