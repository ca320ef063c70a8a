// Texmap's out-of-line members: the construction defaults and the class name of a texture map.
#include <Materials/Texmap.h>

Texmap::Texmap() : cacheID(0) {}

void Texmap::GetClassName(MSTR& s, bool localized) const {
    (void)localized;
    s = L"Texture";
}
