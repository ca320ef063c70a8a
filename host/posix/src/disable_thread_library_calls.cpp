// Stand-in for kernel32's DisableThreadLibraryCalls: the stand-in loader never sends thread
// notifications, so there is nothing to switch off.
#include <windows.h>

BOOL DisableThreadLibraryCalls(HMODULE module) {
    return module != nullptr ? TRUE : FALSE;
}
