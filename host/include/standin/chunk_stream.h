// Stand-in: the chunk stream behind ISave and ILoad, in memory.
//
// Format (little-endian): a chunk is a 6-byte header, then its payload. The header holds the
// 16-bit ID and a 32-bit word whose low 31 bits give the payload length in bytes and whose top
// bit marks a container, a chunk whose payload is a sequence of chunks. Wide strings are
// stored as 32-bit code units, terminating null included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "../ioapi.h"
#include "exports.h"

namespace standin {

inline constexpr std::size_t kChunkHeaderSize = 6;
inline constexpr std::uint32_t kChunkContainerBit = 0x80000000u;

// Writes chunks into a byte buffer.
class STANDIN_EXPORT ChunkWriter : public ISave {
  public:
    void BeginChunk(USHORT id) override;
    void EndChunk() override;
    // IO_ERROR outside a chunk or inside a chunk that holds chunks.
    IOResult Write(const void* buf, ULONG nbytes, ULONG* nwrit) override;
    IOResult WriteWString(const wchar_t* str) override;

    int Depth() const { return static_cast<int>(open_.size()); }
    // False once anything was misused (data mixed with chunks, an EndChunk without a chunk,
    // a chunk too long): such a stream cannot be read back as written.
    bool Good() const { return good_; }
    // The stream; complete when Depth() is 0.
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

  private:
    struct Open {
        std::size_t header;
        bool hasData = false;
        bool hasChunks = false;
    };
    std::vector<std::uint8_t> bytes_;
    std::vector<Open> open_;
    bool good_ = true;
};

// Reads chunks from a byte range that must outlive the reader. Every error is reported to
// the caller and also remembered, so that a caller can tell whether anything went wrong
// even if the code it called ignored a result.
class STANDIN_EXPORT ChunkReader : public ILoad {
  public:
    ChunkReader(const std::uint8_t* data, std::size_t size);
    ~ChunkReader() override;

    IOResult OpenChunk() override;
    USHORT CurChunkID() override;
    ChunkType CurChunkType() override;
    IOResult CloseChunk() override;
    USHORT PeekNextChunkID() override;
    IOResult Read(void* buf, ULONG nbytes, ULONG* nread) override;
    IOResult ReadWStringChunk(wchar_t** buf) override;
    // Post-load callbacks are not modelled (nothing that runs here registers one): the
    // stand-in stops with a message.
    [[noreturn]] void RegisterPostLoadCallback(PostLoadCallback* cb) override;

    int Depth() const { return static_cast<int>(open_.size()); }
    // Unread bytes of the current chunk; 0 outside any chunk.
    std::size_t Remaining() const {
        return open_.empty() ? 0 : open_.back().end - open_.back().pos;
    }
    bool Damaged() const { return damaged_; }

  private:
    struct Frame {
        USHORT id;
        ChunkType type;
        std::size_t begin;  // payload
        std::size_t end;
        std::size_t pos;  // next unread byte or chunk of the payload
    };
    IOResult Fail();
    std::size_t LevelEnd() const;
    std::size_t& LevelPos();

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t rootPos_ = 0;
    std::vector<Frame> open_;
    std::vector<wchar_t> text_;
    bool damaged_ = false;
};

}  // namespace standin
