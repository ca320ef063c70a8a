// The functions the host looks up by name after loading the module.
#include <iparamb2.h>
#include <plugapi.h>
#include <windows.h>

#include "plugin/resource_strings.h"
#include "plugin/veltrane_class_desc.h"
#include "resources/resource.h"

extern "C" {

// Loaded into the buffer that LoadResourceString shares.
__declspec(dllexport) const MCHAR* LibDescription() {
    return LoadResourceString(IDS_LIB_DESCRIPTION);
}

__declspec(dllexport) int LibNumberClasses() {
    return 1;
}

__declspec(dllexport) ClassDesc* LibClassDesc(int i) {
    return i == 0 ? GetVeltraneDesc() : nullptr;
}

// The host refuses modules built for another version of its interface.
__declspec(dllexport) ULONG LibVersion() {
    return VERSION_3DSMAX;
}

// Nothing to set up or tear down: the host may call these any number of times.
__declspec(dllexport) int LibInitialize() {
    return TRUE;
}
__declspec(dllexport) int LibShutdown() {
    return TRUE;
}

}  // extern "C"
