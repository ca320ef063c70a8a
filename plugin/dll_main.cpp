// The module entry point: records the module handle, through which resources are found.
#include <windows.h>

#include "plugin/resource_strings.h"

BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID /*lpvReserved*/) {
    if (fdwReason == DLL_PROCESS_ATTACH) {
        moduleInstance = hinstDLL;
        // No per-thread state exists, so thread attach/detach calls would be wasted.
        DisableThreadLibraryCalls(hinstDLL);
    }
    return TRUE;
}
