// MtlBase's base state (name, flags, G-buffer ID, slot type): copying, and saving and loading it
// as chunks.
#include <Materials/MtlBase.h>

#include <cstdint>

#include "chunk_values.h"

using standin::LoadChunks;
using standin::ReadValue;
using standin::WriteValueChunk;

namespace {

// Chunks of the base state, inside the caller's chunk.
constexpr USHORT kNameChunk = 0x0100;
constexpr USHORT kFlagsChunk = 0x0110;
constexpr USHORT kGBufIDChunk = 0x0120;
constexpr USHORT kSlotTypeChunk = 0x0130;

}  // namespace

MtlBase::MtlBase() : mtlFlags(0), defaultSlotType(MAPSLOT_TEXTURE), gbufID(0) {}

MtlBase::~MtlBase() {}

Class_ID MtlBase::ClassID() {
    return Animatable::ClassID();
}

MtlBase& MtlBase::operator=(const MtlBase& m) {
    name = m.name;
    mtlFlags = m.mtlFlags;
    defaultSlotType = m.defaultSlotType;
    gbufID = m.gbufID;
    return *this;
}

MSTR& MtlBase::GetName() {
    return name;
}

void MtlBase::SetName(MSTR s) {
    name = s;
}

IOResult MtlBase::Save(ISave* isave) {
    isave->BeginChunk(kNameChunk);
    IOResult result = isave->WriteWString(name.data());
    isave->EndChunk();
    if (result != IO_OK) return result;
    if ((result = WriteValueChunk(isave, kFlagsChunk, mtlFlags)) != IO_OK) return result;
    if ((result = WriteValueChunk(isave, kGBufIDChunk, gbufID)) != IO_OK) return result;
    const std::int32_t slotType = defaultSlotType;
    return WriteValueChunk(isave, kSlotTypeChunk, slotType);
}

IOResult MtlBase::Load(ILoad* iload) {
    return LoadChunks(iload, [&](USHORT id) {
        switch (id) {
            case kNameChunk: {
                wchar_t* text = nullptr;
                const IOResult result = iload->ReadWStringChunk(&text);
                if (result == IO_OK) name = text;
                return result;
            }
            case kFlagsChunk:
                return ReadValue(iload, mtlFlags);
            case kGBufIDChunk:
                return ReadValue(iload, gbufID);
            case kSlotTypeChunk: {
                std::int32_t slotType = 0;
                const IOResult result = ReadValue(iload, slotType);
                if (result == IO_OK) defaultSlotType = slotType;
                return result;
            }
            default:
                return IO_OK;  // skipped
        }
    });
}

void* MtlBase::GetInterface(ULONG id) {
    return ReferenceTarget::GetInterface(id);
}

void MtlBase::BaseClone(ReferenceTarget* from, ReferenceTarget* to, RemapDir& remap) {
    ReferenceTarget::BaseClone(from, to, remap);
}
