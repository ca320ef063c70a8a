// Byte-level builders of .res files and their entries for the resource decoders' tests, and
// reading a file whole.
#include "tests/host/res_builder.h"

#include <fstream>
#include <iterator>

namespace standin::test {

ByteWriter& ByteWriter::U8(std::uint8_t value) {
    bytes.push_back(value);
    return *this;
}

ByteWriter& ByteWriter::U16(std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    return *this;
}

ByteWriter& ByteWriter::U32(std::uint32_t value) {
    U16(static_cast<std::uint16_t>(value & 0xFFFF));
    return U16(static_cast<std::uint16_t>(value >> 16));
}

ByteWriter& ByteWriter::Text(const std::u16string& text) {
    for (char16_t unit : text) {
        U16(unit);
    }
    return U16(0);
}

ByteWriter& ByteWriter::Field(const NameOrOrdinal& field) {
    if (field.isOrdinal) {
        return U16(0xFFFF).U16(field.ordinal);
    }
    return Text(field.name);
}

ByteWriter& ByteWriter::Raw(const std::vector<std::uint8_t>& raw) {
    bytes.insert(bytes.end(), raw.begin(), raw.end());
    return *this;
}

ByteWriter& ByteWriter::Align4() {
    while (bytes.size() % 4 != 0) {
        bytes.push_back(0);
    }
    return *this;
}

std::vector<std::uint8_t> EntryHeader(const ResEntry& entry) {
    ByteWriter names;
    names.Field(entry.type).Field(entry.name).Align4();
    const auto headerSize = static_cast<std::uint32_t>(8 + names.Bytes().size() + 16);
    ByteWriter header;
    header.U32(static_cast<std::uint32_t>(entry.data.size())).U32(headerSize).Raw(names.Bytes());
    header.U32(0).U16(0x1030).U16(entry.language).U32(0).U32(0);
    return header.Bytes();
}

std::vector<std::uint8_t> BuildResFile(const std::vector<ResEntry>& entries) {
    ByteWriter file;
    file.Raw(EntryHeader(ResEntry{0, 0, 0, {}}));
    for (const ResEntry& entry : entries) {
        file.Raw(EntryHeader(entry)).Raw(entry.data).Align4();
    }
    return file.Bytes();
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

}  // namespace standin::test
