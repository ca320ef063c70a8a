// Little-endian 16- and 32-bit values in byte buffers, and the padding of offsets to a
// boundary, as the binary formats the host reads and writes lay them out.
#pragma once

#include <cstddef>
#include <cstdint>

namespace standin {

inline std::uint16_t LoadU16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

inline std::uint32_t LoadU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

inline void StoreU16(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v & 0xff);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void StoreU32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xff);
}

// `pos` advanced to the next multiple of `alignment`, or `end` (>= pos) if that lies beyond
// it: padding missing at the very end of the data is not an error.
inline std::size_t AlignUp(std::size_t pos, std::size_t alignment, std::size_t end) {
    const std::size_t padding = (alignment - pos % alignment) % alignment;
    return padding <= end - pos ? pos + padding : end;
}

}  // namespace standin
