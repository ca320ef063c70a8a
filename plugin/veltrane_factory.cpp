#include "plugin/veltrane_factory.h"

// Null until the texture map object exists; then this allocates one with std::nothrow, so
// that a failed allocation gives null instead of throwing into the host.
void* CreateVeltraneObject() { return nullptr; }
