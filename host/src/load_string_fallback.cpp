// A weak LoadStringW that finds no string, so that the host library links while no module
// resource reader is built into it; a strong definition in the library takes its place.
#include <windows.h>

__attribute__((weak)) int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
    (void)instance;
    (void)id;
    if (buffer && bufferMax > 0) buffer[0] = L'\0';
    return 0;
}
