// Decoder of RT_STRING blocks: the sixteen strings of one block of a resource file's string table.
#include "string_table.h"

#include "byte_reader.h"
#include "little_endian.h"

namespace standin {

namespace {
constexpr unsigned kStringsPerBlock = 16;
}  // namespace

std::optional<std::u16string> StringTableEntry(const std::uint8_t* block, std::size_t size,
                                               unsigned index) {
    if (index >= kStringsPerBlock) {
        return std::nullopt;
    }
    ByteReader reader(block, size);
    for (unsigned i = 0;; ++i) {
        std::uint16_t length = 0;
        reader.U16(&length, "string length");
        const std::uint8_t* units = reader.Bytes(std::size_t{length} * 2, "string");
        if (reader.Failed()) {
            return std::nullopt;
        }
        if (i == index) {
            std::u16string text(length, u'\0');
            for (std::size_t k = 0; k < length; ++k) {
                text[k] = static_cast<char16_t>(LoadU16(units + 2 * k));
            }
            return text;
        }
    }
}

std::optional<std::u16string> FindString(const ResourceFile& file, std::uint32_t id,
                                         std::uint16_t language) {
    if (id > 0xFFFF) {
        return std::nullopt;
    }
    const auto blockId = static_cast<std::uint16_t>((id >> 4) + 1);
    const Resource* block = file.FindPreferred(kRtString, blockId, language);
    if (block == nullptr) {
        return std::nullopt;
    }
    std::optional<std::u16string> text = StringTableEntry(block->data, block->size, id & 15);
    if (!text || text->empty()) {
        return std::nullopt;
    }
    return text;
}

}  // namespace standin
