// Chunks holding one plain value, as the host's own classes write their fields.
#pragma once

#include <ioapi.h>

namespace standin {

template <typename T>
IOResult WriteValueChunk(ISave* isave, USHORT id, const T& value) {
    ULONG written = 0;
    isave->BeginChunk(id);
    const IOResult result = isave->Write(&value, sizeof value, &written);
    isave->EndChunk();
    return result;
}

// Reads the value from the open chunk: IO_ERROR if the chunk is too short.
template <typename T>
IOResult ReadValue(ILoad* iload, T& value) {
    ULONG read = 0;
    return iload->Read(&value, sizeof value, &read);
}

}  // namespace standin
