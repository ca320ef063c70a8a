#include <Materials/Texmap.h>

Texmap::Texmap() : cacheID(0) {}

void Texmap::GetClassName(MSTR& s, bool localized) const {
    (void)localized;
    s = L"Texture";
}
