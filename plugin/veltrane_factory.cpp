// Creation of the texture map object on the host's heap, null when allocation fails.
#include "plugin/veltrane_factory.h"

#include <new>

#include "plugin/veltrane.h"

// std::nothrow: a failed allocation gives the host null instead of an exception.
void* CreateVeltraneObject() {
    return new (std::nothrow) Veltrane();
}
