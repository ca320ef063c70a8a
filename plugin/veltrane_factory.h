// Creation of the texture map object for the class descriptor.
#pragma once

// A new texture map object allocated on the host's heap, or null if allocation fails.
void* CreateVeltraneObject();
