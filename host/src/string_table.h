// Decoder of RT_STRING blocks: the strings of a resource file's string table. String `id`
// lives in block (id >> 4) + 1 at index id & 15; a block holds 16 strings, each a 16-bit
// length followed by that many UTF-16 units, without a terminating null.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "resource_file.h"
#include "standin/exports.h"

namespace standin {

// String `index` (0 to 15) of a block; nullopt if the block ends before it or the index is
// out of range.
STANDIN_EXPORT std::optional<std::u16string> StringTableEntry(const std::uint8_t* block,
                                                              std::size_t size, unsigned index);

// String `id` from the block in `language`, else from a block in any language. nullopt if
// the table lacks the string or it is empty: Windows does not tell an empty string from a
// missing one.
STANDIN_EXPORT std::optional<std::u16string> FindString(const ResourceFile& file, std::uint32_t id,
                                                        std::uint16_t language);

}  // namespace standin
