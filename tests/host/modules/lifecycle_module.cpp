// Test module: records the order in which the loader drives it (static construction,
// DllMain calls, static destruction) and the module handle DllMain receives.
#include <plugapi.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char events[128] = "";
char* unloadReport = nullptr;
std::size_t unloadReportSize = 0;
HINSTANCE attachedInstance = nullptr;

void Record(const char* event) {
    std::strncat(events, event, sizeof events - std::strlen(events) - 1);
}

struct StaticLifetime {
    StaticLifetime() { Record("construct "); }
    ~StaticLifetime() {
        Record("destroy");
        if (unloadReport) std::snprintf(unloadReport, unloadReportSize, "%s", events);
    }
} staticLifetime;

}  // namespace

// An exported inline variable has vague linkage, which g++ marks STB_GNU_UNIQUE unless
// modules are built with -fno-gnu-unique; such a module is never unloaded.
__declspec(dllexport) inline int lifecycleUniqueCandidate = 0;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        attachedInstance = instance;
        Record("attach ");
        if (std::getenv("LIFECYCLE_REFUSE_ATTACH")) return FALSE;
    } else if (reason == DLL_PROCESS_DETACH) {
        Record("detach ");
    }
    return TRUE;
}

extern "C" {
__declspec(dllexport) const MCHAR* LibDescription() {
    return _M("lifecycle test module");
}
__declspec(dllexport) int LibNumberClasses() {
    return lifecycleUniqueCandidate;
}
__declspec(dllexport) ClassDesc* LibClassDesc(int /*i*/) {
    return nullptr;
}
__declspec(dllexport) ULONG LibVersion() {
    return VERSION_3DSMAX;
}
__declspec(dllexport) int LibInitialize() {
    return std::getenv("LIFECYCLE_REFUSE_INITIALIZE") ? FALSE : TRUE;
}
__declspec(dllexport) int LibShutdown() {
    return TRUE;
}

__declspec(dllexport) const char* Events() {
    return events;
}
__declspec(dllexport) HINSTANCE AttachedInstance() {
    return attachedInstance;
}
// Has the static destructor copy the events into `report` at unload.
__declspec(dllexport) void ReportEventsOnUnload(char* report, std::size_t size) {
    unloadReport = report;
    unloadReportSize = size;
}
}
