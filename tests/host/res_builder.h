// Test helper: little-endian byte strings and .res files made by hand, and reading a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/src/resource_file.h"

namespace standin::test {

class ByteWriter {
  public:
    ByteWriter& U8(std::uint8_t value);
    ByteWriter& U16(std::uint16_t value);
    ByteWriter& U32(std::uint32_t value);
    ByteWriter& Text(const std::u16string& text);   // UTF-16 units and a terminating null
    ByteWriter& Field(const NameOrOrdinal& field);  // 0xFFFF + ordinal, or Text
    ByteWriter& Raw(const std::vector<std::uint8_t>& bytes);
    ByteWriter& Align4();

    const std::vector<std::uint8_t>& Bytes() const { return bytes; }

  private:
    std::vector<std::uint8_t> bytes;
};

struct ResEntry {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 1033;
    std::vector<std::uint8_t> data;
};

// A well-formed .res file: the null entry, then `entries` in order.
std::vector<std::uint8_t> BuildResFile(const std::vector<ResEntry>& entries);

// The header of one entry as rc compilers write it (DataSize, HeaderSize, type, name, ...).
std::vector<std::uint8_t> EntryHeader(const ResEntry& entry);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

}  // namespace standin::test
