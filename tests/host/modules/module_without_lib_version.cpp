// Test module: a plug-in module that lacks the LibVersion export.
#include <plugapi.h>
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE /*instance*/, DWORD /*reason*/, LPVOID /*reserved*/) {
    return TRUE;
}

extern "C" {
__declspec(dllexport) const MCHAR* LibDescription() {
    return _M("module without LibVersion");
}
__declspec(dllexport) int LibNumberClasses() {
    return 0;
}
__declspec(dllexport) ClassDesc* LibClassDesc(int /*i*/) {
    return nullptr;
}
__declspec(dllexport) int LibInitialize() {
    return TRUE;
}
__declspec(dllexport) int LibShutdown() {
    return TRUE;
}
}
