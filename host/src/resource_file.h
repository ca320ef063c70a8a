// Reader of compiled Win32 resource files (.res): the entries with their type, name and
// language. Every length read from the file is checked against its size: a truncated or
// hostile file gives an error, never an out-of-bounds read. string_table.h, dialog_template.h
// and tests/host/dib.h decode the entries' data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "standin/exports.h"

namespace standin {

// Resource types, with the numbers of the Windows RT_* constants.
constexpr std::uint16_t kRtBitmap = 2;
constexpr std::uint16_t kRtDialog = 5;
constexpr std::uint16_t kRtString = 6;

// A field that holds either a 16-bit ordinal (stored as 0xFFFF and the value) or a UTF-16
// string: resource types and names, and a dialog's menu, window classes and control texts.
// An empty string is how templates say "none".
struct NameOrOrdinal {
    NameOrOrdinal() = default;
    // Implicit, so that lookups read Find(kRtString, 2, 1033).
    NameOrOrdinal(std::uint16_t value) : isOrdinal(true), ordinal(value) {}
    explicit NameOrOrdinal(std::u16string text) : name(std::move(text)) {}

    bool isOrdinal = false;
    std::uint16_t ordinal = 0;  // when isOrdinal
    std::u16string name;        // otherwise

    friend bool operator==(const NameOrOrdinal& a, const NameOrOrdinal& b) {
        return a.isOrdinal == b.isOrdinal &&
               (a.isOrdinal ? a.ordinal == b.ordinal : a.name == b.name);
    }
    friend bool operator!=(const NameOrOrdinal& a, const NameOrOrdinal& b) { return !(a == b); }
};

// One entry of a resource file. `data` points into the ResourceFile's own copy of the file.
struct Resource {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    std::uint16_t memoryFlags = 0;
    std::uint32_t dataVersion = 0;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// The entries of a .res file, in file order, without the leading null entry. Keeps its own
// copy of the bytes, so it outlives the buffer it was parsed from. Move-only: the entries
// point into that copy.
class STANDIN_EXPORT ResourceFile {
  public:
    // Parses a .res file; on failure returns nullopt and, if `error` is not null, says why.
    static std::optional<ResourceFile> Parse(const std::uint8_t* data, std::size_t size,
                                             std::string* error);

    ResourceFile(ResourceFile&&) noexcept = default;
    ResourceFile& operator=(ResourceFile&&) noexcept = default;
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    const std::vector<Resource>& Resources() const { return resources; }
    // The file's bytes, as parsed.
    const std::vector<std::uint8_t>& Bytes() const { return bytes; }

    // The entry with exactly this type, name and language, or null.
    const Resource* Find(const NameOrOrdinal& type, const NameOrOrdinal& name,
                         std::uint16_t language) const;
    // The first entry, in file order, with this type and name in any language, or null.
    const Resource* FindAnyLanguage(const NameOrOrdinal& type, const NameOrOrdinal& name) const;
    // The entry in `language` if there is one, else FindAnyLanguage.
    const Resource* FindPreferred(const NameOrOrdinal& type, const NameOrOrdinal& name,
                                  std::uint16_t language) const;

  private:
    ResourceFile() = default;

    std::vector<std::uint8_t> bytes;
    std::vector<Resource> resources;
};

}  // namespace standin
