// The chunk stream behind ISave and ILoad: nested chunks written to and read from memory, with
// every header checked against its enclosing chunk.
#include <standin/chunk_stream.h>

#include <cstring>
#include <optional>

#include "fatal_stops.h"
#include "little_endian.h"

namespace standin {

namespace {

struct ChunkHeader {
    std::uint16_t id;
    ChunkType type;
    std::size_t length;
};

// The header of the chunk at `pos` of a level that ends at `end`; nullopt if the header, or
// the chunk's contents, would run past that end.
std::optional<ChunkHeader> ChunkHeaderAt(const std::uint8_t* data, std::size_t pos,
                                         std::size_t end) {
    if (end - pos < kChunkHeaderSize) return std::nullopt;
    const std::uint32_t word = LoadU32(data + pos + 2);
    const std::size_t length = word & ~kChunkContainerBit;
    if (length > end - pos - kChunkHeaderSize) return std::nullopt;
    const ChunkType type = (word & kChunkContainerBit) ? CONTAINER_CHUNK : DATA_CHUNK;
    return ChunkHeader{LoadU16(data + pos), type, length};
}

}  // namespace

// ---- ChunkWriter

void ChunkWriter::BeginChunk(USHORT id) {
    if (!open_.empty()) {
        open_.back().hasChunks = true;
        if (open_.back().hasData) good_ = false;
    }
    open_.push_back(Open{bytes_.size()});
    bytes_.resize(bytes_.size() + kChunkHeaderSize, 0);
    StoreU16(&bytes_[open_.back().header], id);
}

void ChunkWriter::EndChunk() {
    if (open_.empty()) {
        good_ = false;
        return;
    }
    const Open chunk = open_.back();
    open_.pop_back();
    const std::size_t length = bytes_.size() - chunk.header - kChunkHeaderSize;
    if (length >= kChunkContainerBit) good_ = false;
    const auto word = static_cast<std::uint32_t>(length & ~std::size_t{kChunkContainerBit}) |
                      (chunk.hasChunks ? kChunkContainerBit : 0u);
    StoreU32(&bytes_[chunk.header + 2], word);
}

IOResult ChunkWriter::Write(const void* buf, ULONG nbytes, ULONG* nwrit) {
    if (nwrit) *nwrit = 0;
    if (open_.empty() || open_.back().hasChunks || (!buf && nbytes)) {
        good_ = false;
        return IO_ERROR;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(buf);
    if (nbytes) bytes_.insert(bytes_.end(), bytes, bytes + nbytes);
    open_.back().hasData = true;
    if (nwrit) *nwrit = nbytes;
    return IO_OK;
}

IOResult ChunkWriter::WriteWString(const wchar_t* str) {
    std::vector<std::uint8_t> units;
    const wchar_t* p = str ? str : L"";
    do {
        std::uint8_t unit[4];
        StoreU32(unit, static_cast<std::uint32_t>(*p));
        units.insert(units.end(), unit, unit + 4);
    } while (*p++);
    ULONG written = 0;
    return Write(units.data(), static_cast<ULONG>(units.size()), &written);
}

// ---- ChunkReader

ChunkReader::ChunkReader(const std::uint8_t* data, std::size_t size)
    : data_(data), size_(data ? size : 0) {}

ChunkReader::~ChunkReader() = default;

IOResult ChunkReader::Fail() {
    damaged_ = true;
    return IO_ERROR;
}

std::size_t ChunkReader::LevelEnd() const {
    return open_.empty() ? size_ : open_.back().end;
}

std::size_t& ChunkReader::LevelPos() {
    return open_.empty() ? rootPos_ : open_.back().pos;
}

IOResult ChunkReader::OpenChunk() {
    if (!open_.empty() && open_.back().type == DATA_CHUNK) {
        // An empty chunk is an empty level; data is not a sequence of chunks.
        return open_.back().begin == open_.back().end ? IO_END : Fail();
    }
    const std::size_t pos = LevelPos();
    const std::size_t end = LevelEnd();
    if (pos == end) return IO_END;
    const std::optional<ChunkHeader> header = ChunkHeaderAt(data_, pos, end);
    if (!header) return Fail();
    const std::size_t begin = pos + kChunkHeaderSize;
    open_.push_back(Frame{header->id, header->type, begin, begin + header->length, begin});
    return IO_OK;
}

USHORT ChunkReader::CurChunkID() {
    return open_.empty() ? 0 : open_.back().id;
}

ChunkType ChunkReader::CurChunkType() {
    return open_.empty() ? NEW_CHUNK : open_.back().type;
}

IOResult ChunkReader::CloseChunk() {
    if (open_.empty()) return Fail();
    const std::size_t end = open_.back().end;
    open_.pop_back();
    LevelPos() = end;
    return IO_OK;
}

USHORT ChunkReader::PeekNextChunkID() {
    if (!open_.empty() && open_.back().type == DATA_CHUNK) return 0;
    const std::optional<ChunkHeader> header = ChunkHeaderAt(data_, LevelPos(), LevelEnd());
    return header ? header->id : 0;
}

IOResult ChunkReader::Read(void* buf, ULONG nbytes, ULONG* nread) {
    if (nread) *nread = 0;
    if (open_.empty() || open_.back().type != DATA_CHUNK || (!buf && nbytes)) return Fail();
    Frame& chunk = open_.back();
    const std::size_t count = std::min<std::size_t>(nbytes, chunk.end - chunk.pos);
    if (count) std::memcpy(buf, data_ + chunk.pos, count);
    chunk.pos += count;
    if (nread) *nread = static_cast<ULONG>(count);
    return count == nbytes ? IO_OK : Fail();
}

IOResult ChunkReader::ReadWStringChunk(wchar_t** buf) {
    if (buf) *buf = nullptr;
    if (!buf || open_.empty() || open_.back().type != DATA_CHUNK) return Fail();
    Frame& chunk = open_.back();
    const std::size_t bytes = chunk.end - chunk.pos;
    if (bytes == 0 || bytes % 4 != 0 || LoadU32(data_ + chunk.end - 4) != 0) return Fail();
    text_.clear();
    for (std::size_t at = chunk.pos; at < chunk.end; at += 4) {
        text_.push_back(static_cast<wchar_t>(LoadU32(data_ + at)));
    }
    chunk.pos = chunk.end;
    *buf = text_.data();
    return IO_OK;
}

void ChunkReader::RegisterPostLoadCallback(PostLoadCallback*) {
    NotModelled("ILoad::RegisterPostLoadCallback");
}

}  // namespace standin
