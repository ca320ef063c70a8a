// Test-only exports of a module built from the plug-in's code: its resource string loader,
// and what that loader gave during static initialisation, before DllMain ran.
#include <windows.h>

#include "plugin/resource_strings.h"
#include "resources/resource.h"

namespace {
const MCHAR* const descriptionBeforeAttach = LoadResourceString(IDS_LIB_DESCRIPTION);
}

extern "C" {
__declspec(dllexport) const MCHAR* ProbeLoadResourceString(int id) {
    return LoadResourceString(id);
}
__declspec(dllexport) const MCHAR* ProbeStringBeforeAttach() {
    return descriptionBeforeAttach;
}
}
