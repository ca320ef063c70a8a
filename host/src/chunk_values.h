// Chunks holding plain values, as the host's own classes write their fields, and the loop
// that reads the chunks of one level.
#pragma once

#include <ioapi.h>

namespace standin {

// Writes the value's bytes into the open chunk: IO_ERROR if not all of them were written.
template <typename T>
IOResult WriteValue(ISave* isave, const T& value) {
    ULONG written = 0;
    const IOResult result = isave->Write(&value, sizeof value, &written);
    return result == IO_OK && written == sizeof value ? IO_OK : IO_ERROR;
}

template <typename T>
IOResult WriteValueChunk(ISave* isave, USHORT id, const T& value) {
    isave->BeginChunk(id);
    const IOResult result = WriteValue(isave, value);
    isave->EndChunk();
    return result;
}

// Reads the value from the open chunk: IO_ERROR if the chunk is too short.
template <typename T>
IOResult ReadValue(ILoad* iload, T& value) {
    ULONG read = 0;
    const IOResult result = iload->Read(&value, sizeof value, &read);
    return result == IO_OK && read == sizeof value ? IO_OK : IO_ERROR;
}

// Opens each chunk of the current level in turn and lets `readChunk(id)` read it (a chunk it
// does not read is skipped). The first failure, of reading or of closing, ends the loop and
// is returned; the end of the level is IO_OK.
template <typename ReadChunk>
IOResult LoadChunks(ILoad* iload, ReadChunk readChunk) {
    for (;;) {
        const IOResult opened = iload->OpenChunk();
        if (opened == IO_END) return IO_OK;
        if (opened != IO_OK) return opened;
        const IOResult result = readChunk(iload->CurChunkID());
        const IOResult closed = iload->CloseChunk();
        if (result != IO_OK) return result;
        if (closed != IO_OK) return closed;
    }
}

}  // namespace standin
