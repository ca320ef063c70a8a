// ISubMap's out-of-line members: the default slot name and the track-view name built from it.
#include <Materials/ISubMap.h>

#include <string>

ISubMap::~ISubMap() {}

MSTR ISubMap::GetSubTexmapSlotName(int i, bool localized) {
    (void)i;
    (void)localized;
    return MSTR();
}

MSTR ISubMap::GetSubTexmapTVName(int i, bool localized) {
    MSTR slot = GetSubTexmapSlotName(i, localized);
    if (slot.Length() > 0) return slot;
    return MSTR((L"Map " + std::to_wstring(i + 1)).c_str());
}
