// Decoder of extended dialog templates (DLGTEMPLATEEX): the dialog's header and its items, bounds-
// checked against the resource's size.
#include "dialog_template.h"

#include <algorithm>

#include "byte_reader.h"

namespace standin {

namespace {

constexpr std::uint16_t kExtendedVersion = 1;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;
// The fixed part of an item: help ID, styles, position and size, ID, and the creation-data
// count; used only to bound the reservation for a hostile item count.
constexpr std::size_t kMinItemSize = 4 + 4 + 4 + 4 * 2 + 4 + 2 + 2 + 2;

void ReadItem(ByteReader& reader, DialogItem* item) {
    reader.Align(4);  // every item starts on a 4-byte boundary
    reader.U32(&item->helpId, "dialog item");
    reader.U32(&item->exStyle, "dialog item");
    reader.U32(&item->style, "dialog item");
    reader.I16(&item->x, "dialog item");
    reader.I16(&item->y, "dialog item");
    reader.I16(&item->cx, "dialog item");
    reader.I16(&item->cy, "dialog item");
    reader.I32(&item->id, "dialog item");
    reader.NameOrOrdinalField(&item->windowClass, "dialog item class");
    reader.NameOrOrdinalField(&item->text, "dialog item text");
    std::uint16_t extraCount = 0;
    reader.U16(&extraCount, "dialog item creation data");
    if (const std::uint8_t* extra = reader.Bytes(extraCount, "dialog item creation data")) {
        item->creationData.assign(extra, extra + extraCount);
    }
}

}  // namespace

std::optional<DialogTemplate> DecodeDialogTemplate(const std::uint8_t* data, std::size_t size,
                                                   std::string* error) {
    ByteReader reader(data, size);
    std::uint16_t version = 0;
    std::uint16_t signature = 0;
    reader.U16(&version, "dialog header");
    reader.U16(&signature, "dialog header");
    if (reader.Failed()) {
        return Refuse(error, reader);
    }
    if (version != kExtendedVersion || signature != kExtendedSignature) {
        return Refuse(error, "not an extended dialog template (DLGTEMPLATEEX)");
    }

    DialogTemplate dialog;
    std::uint16_t itemCount = 0;
    reader.U32(&dialog.helpId, "dialog header");
    reader.U32(&dialog.exStyle, "dialog header");
    reader.U32(&dialog.style, "dialog header");
    reader.U16(&itemCount, "dialog header");
    reader.I16(&dialog.x, "dialog header");
    reader.I16(&dialog.y, "dialog header");
    reader.I16(&dialog.cx, "dialog header");
    reader.I16(&dialog.cy, "dialog header");
    reader.NameOrOrdinalField(&dialog.menu, "dialog menu");
    reader.NameOrOrdinalField(&dialog.windowClass, "dialog class");
    reader.String(&dialog.title, "dialog title");
    if (dialog.style & kDsSetFont) {
        DialogFont font;
        reader.U16(&font.pointSize, "dialog font");
        reader.U16(&font.weight, "dialog font");
        reader.U8(&font.italic, "dialog font");
        reader.U8(&font.charset, "dialog font");
        reader.String(&font.typeface, "dialog font name");
        dialog.font = std::move(font);
    }
    if (reader.Failed()) {
        return Refuse(error, reader);
    }

    dialog.items.reserve(std::min<std::size_t>(itemCount, reader.Remaining() / kMinItemSize));
    for (std::uint16_t i = 0; i < itemCount; ++i) {
        DialogItem item;
        ReadItem(reader, &item);
        if (reader.Failed()) {
            return Refuse(error, reader.Error() + " (item " + std::to_string(i) + ")");
        }
        dialog.items.push_back(std::move(item));
    }
    return dialog;
}

}  // namespace standin
