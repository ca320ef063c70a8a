// Bounds-checked reader of little-endian binary data, shared by the resource decoders.
// A read past the end fails, leaves the position unchanged and records what was being read.
// Failure is sticky: every later read fails too, so a decoder can read a run of fields and
// check Failed() once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "little_endian.h"
#include "resource_file.h"

namespace standin {

// The end of a failed decode: tells the caller why (when it asked) and gives the empty result.
inline std::nullopt_t Refuse(std::string* error, const std::string& why) {
    if (error != nullptr) {
        *error = why;
    }
    return std::nullopt;
}

class ByteReader {
  public:
    // `fileOffset` is the offset of `bytes` in the file, so that errors give file offsets.
    // Null `bytes` read as empty, whatever `count` says.
    ByteReader(const std::uint8_t* bytes, std::size_t count, std::size_t fileOffset = 0)
        : data(bytes), size(bytes != nullptr ? count : 0), origin(fileOffset) {}

    std::size_t Remaining() const { return size - pos; }
    bool Failed() const { return !error.empty(); }
    const std::string& Error() const { return error; }

    // Records a failure (the first one counts) and returns false.
    bool Fail(const std::string& what) {
        if (error.empty()) {
            error = what + " at offset " + std::to_string(origin + pos);
        }
        return false;
    }

    bool U8(std::uint8_t* value, const char* what) {
        if (!Need(1, what)) {
            return false;
        }
        *value = data[pos++];
        return true;
    }
    bool U16(std::uint16_t* value, const char* what) {
        if (!Need(2, what)) {
            return false;
        }
        *value = LoadU16(data + pos);
        pos += 2;
        return true;
    }
    bool U32(std::uint32_t* value, const char* what) {
        if (!Need(4, what)) {
            return false;
        }
        *value = LoadU32(data + pos);
        pos += 4;
        return true;
    }
    bool I16(std::int16_t* value, const char* what) {
        std::uint16_t raw = 0;
        if (!U16(&raw, what)) {
            return false;
        }
        *value = static_cast<std::int16_t>(raw);
        return true;
    }
    bool I32(std::int32_t* value, const char* what) {
        std::uint32_t raw = 0;
        if (!U32(&raw, what)) {
            return false;
        }
        *value = static_cast<std::int32_t>(raw);
        return true;
    }

    // The next `count` bytes, or null if fewer remain.
    const std::uint8_t* Bytes(std::size_t count, const char* what) {
        if (!Need(count, what)) {
            return nullptr;
        }
        const std::uint8_t* start = data + pos;
        pos += count;
        return start;
    }

    bool Skip(std::size_t count, const char* what) { return Bytes(count, what) != nullptr; }

    // UTF-16 units up to a terminating null, which is consumed but not stored.
    bool String(std::u16string* text, const char* what) {
        text->clear();
        const std::size_t start = pos;
        if (Failed()) {
            return false;
        }
        for (;;) {
            if (Remaining() < 2) {
                pos = start;
                text->clear();
                return Fail(std::string("unterminated ") + what);
            }
            std::uint16_t unit = 0;
            U16(&unit, what);
            if (unit == 0) {
                return true;
            }
            text->push_back(static_cast<char16_t>(unit));
        }
    }

    // 0xFFFF followed by a 16-bit ordinal, or a null-terminated UTF-16 string.
    bool NameOrOrdinalField(NameOrOrdinal* field, const char* what) {
        std::uint16_t first = 0;
        const std::size_t start = pos;
        if (!U16(&first, what)) {
            return false;
        }
        if (first == 0xFFFF) {
            std::uint16_t ordinal = 0;
            if (!U16(&ordinal, what)) {
                return false;
            }
            *field = NameOrOrdinal(ordinal);
            return true;
        }
        pos = start;
        std::u16string text;
        if (!String(&text, what)) {
            return false;
        }
        *field = NameOrOrdinal(std::move(text));
        return true;
    }

    // Advances to the next multiple of `alignment` counted from `bytes`; padding
    // missing at the very end is not an error.
    void Align(std::size_t alignment) { pos = AlignUp(pos, alignment, size); }

  private:
    bool Need(std::size_t count, const char* what) {
        if (Failed()) {
            return false;
        }
        if (count > Remaining()) {
            return Fail(std::string("truncated ") + what);
        }
        return true;
    }

    const std::uint8_t* data;
    std::size_t size;
    std::size_t origin;
    std::size_t pos = 0;
    std::string error;
};

// The end of a decode that the reader failed: its error is the reason.
inline std::nullopt_t Refuse(std::string* error, const ByteReader& reader) {
    return Refuse(error, reader.Error());
}

}  // namespace standin
