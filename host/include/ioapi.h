// Stand-in: ISave and ILoad, the object's view of the scene file: a stream of nested chunks,
// each with a 16-bit ID, holding either data or further chunks.
#pragma once

#include <windows.h>
#include "baseinterface.h"
#include "maxtypes.h"
#include "standin/exports.h"

class ILoad;

enum ChunkType { NEW_CHUNK = 0, CONTAINER_CHUNK = 1, DATA_CHUNK = 2 };

// Runs once the whole file is loaded and every reference is restored.
class STANDIN_EXPORT PostLoadCallback : public InterfaceServer {
  public:
    virtual void proc(ILoad* iload) = 0;
    // Lower runs first.
    virtual int Priority() { return 5; }
};

class STANDIN_EXPORT ISave : public InterfaceServer {
  public:
    virtual ~ISave() {}
    // Chunks nest: a chunk begun inside another belongs to it until EndChunk().
    virtual void BeginChunk(USHORT id) = 0;
    virtual void EndChunk() = 0;
    virtual IOResult Write(const void* buf, ULONG nbytes, ULONG* nwrit) = 0;
    // Writes the string with its terminating null.
    virtual IOResult WriteWString(const wchar_t* str) = 0;
};

class STANDIN_EXPORT ILoad : public InterfaceServer {
  public:
    virtual ~ILoad() {}
    // Enters the next chunk of the current level: IO_END when none is left, IO_ERROR when
    // the data there is damaged.
    virtual IOResult OpenChunk() = 0;
    virtual USHORT CurChunkID() = 0;
    virtual ChunkType CurChunkType() = 0;
    // Leaves the current chunk, skipping whatever was not read.
    virtual IOResult CloseChunk() = 0;
    // The ID of the chunk OpenChunk() would enter next; 0 if there is none.
    virtual USHORT PeekNextChunkID() = 0;
    // IO_ERROR unless all `nbytes` lie inside the current data chunk.
    virtual IOResult Read(void* buf, ULONG nbytes, ULONG* nread) = 0;
    // The rest of the current chunk as a string written by ISave::WriteWString. `*buf`
    // stays valid until the next read.
    virtual IOResult ReadWStringChunk(wchar_t** buf) = 0;
    virtual void RegisterPostLoadCallback(PostLoadCallback* cb) = 0;
};
