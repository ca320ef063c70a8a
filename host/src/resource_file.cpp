// Reader of compiled Win32 resource files (.res): the entries with their type, name, language and
// data, each checked against the file's end.
#include "resource_file.h"

#include <algorithm>
#include <iterator>

#include "byte_reader.h"
#include "little_endian.h"

namespace standin {

namespace {

// Reads the header of the entry at `start`; on success `header` holds its fields and
// `headerSize`/`dataSize` the two lengths, both checked against the file's end.
bool ReadEntryHeader(const std::uint8_t* file, std::size_t fileSize, std::size_t start,
                     Resource* header, std::uint32_t* headerSize, std::uint32_t* dataSize,
                     std::string* error) {
    ByteReader lengths(file + start, fileSize - start, start);
    if (!lengths.U32(dataSize, "resource entry") || !lengths.U32(headerSize, "resource entry")) {
        *error = lengths.Error();
        return false;
    }
    if (*headerSize > fileSize - start) {
        *error = "resource header of " + std::to_string(*headerSize) + " bytes at offset " +
                 std::to_string(start) + " runs past the end of the file";
        return false;
    }
    // The fields must lie within the header's own length.
    ByteReader fields(file + start, *headerSize, start);
    fields.Skip(8, "resource header");
    fields.NameOrOrdinalField(&header->type, "resource type");
    fields.NameOrOrdinalField(&header->name, "resource name");
    fields.Align(4);
    fields.U32(&header->dataVersion, "resource header");
    fields.U16(&header->memoryFlags, "resource header");
    fields.U16(&header->language, "resource header");
    fields.U32(&header->version, "resource header");
    fields.U32(&header->characteristics, "resource header");
    if (fields.Failed()) {
        *error = fields.Error();
        return false;
    }
    const std::size_t dataStart = start + *headerSize;
    if (*dataSize > fileSize - dataStart) {
        *error = "resource data of " + std::to_string(*dataSize) + " bytes at offset " +
                 std::to_string(dataStart) + " runs past the end of the file";
        return false;
    }
    return true;
}

// A .res file opens with an empty entry of 32 bytes whose type and name are ordinal 0; it
// tells a 32-bit resource file from a 16-bit one. Its remaining 16 bytes are not looked at.
constexpr std::size_t kNullEntrySize = 32;
constexpr std::uint8_t kNullEntryStart[16] = {0,    0,    0, 0, 32,   0,    0, 0,
                                              0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0};

bool StartsWithNullEntry(const std::uint8_t* data, std::size_t size) {
    return size >= kNullEntrySize &&
           std::equal(std::begin(kNullEntryStart), std::end(kNullEntryStart), data);
}

}  // namespace

std::optional<ResourceFile> ResourceFile::Parse(const std::uint8_t* data, std::size_t size,
                                                std::string* error) {
    std::string why;
    if (data == nullptr || size == 0) {
        why = "empty resource file";
        return Refuse(error, why);
    }

    if (!StartsWithNullEntry(data, size)) {
        why = "not a 32-bit resource file: the leading null entry is missing";
        return Refuse(error, why);
    }

    ResourceFile file;
    file.bytes.assign(data, data + size);
    const std::uint8_t* base = file.bytes.data();

    std::size_t start = kNullEntrySize;
    while (start < size) {
        Resource entry;
        std::uint32_t headerSize = 0;
        std::uint32_t dataSize = 0;
        if (!ReadEntryHeader(base, size, start, &entry, &headerSize, &dataSize, &why)) {
            return Refuse(error, why);
        }
        entry.data = base + start + headerSize;
        entry.size = dataSize;
        file.resources.push_back(std::move(entry));
        // Entries start on 4-byte boundaries; padding missing after the last one is tolerated.
        start = AlignUp(start + headerSize + dataSize, 4, size);
    }
    return std::optional<ResourceFile>(std::move(file));
}

const Resource* ResourceFile::Find(const NameOrOrdinal& type, const NameOrOrdinal& name,
                                   std::uint16_t language) const {
    for (const Resource& entry : resources) {
        if (entry.type == type && entry.name == name && entry.language == language) {
            return &entry;
        }
    }
    return nullptr;
}

const Resource* ResourceFile::FindAnyLanguage(const NameOrOrdinal& type,
                                              const NameOrOrdinal& name) const {
    for (const Resource& entry : resources) {
        if (entry.type == type && entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

const Resource* ResourceFile::FindPreferred(const NameOrOrdinal& type, const NameOrOrdinal& name,
                                            std::uint16_t language) const {
    const Resource* exact = Find(type, name, language);
    return exact != nullptr ? exact : FindAnyLanguage(type, name);
}

}  // namespace standin
