// The host's plug-in loader on Windows: the system loader does the work. LoadLibraryW runs
// the module's static initialisation and its DllMain and counts nested loads; FreeLibrary
// detaches at the last unload.
#include <standin/module_loader.h>

#include "module_exports.h"
#include "module_file_check.h"

#include <windows.h>

#include <filesystem>
#include <utility>

namespace standin {
namespace {

std::wstring WideFromUtf8(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), count);
    return wide;
}

}  // namespace

std::unique_ptr<Module> Module::Load(const std::string& path, std::string* error) {
    const std::string prefix = "cannot load module '" + path + "': ";
    auto fail = [&](const std::string& why) {
        if (error) *error = prefix + why;
        return nullptr;
    };

    const std::filesystem::path onDisk(WideFromUtf8(path));
    if (const std::string problem = ModuleFileProblem(onDisk); !problem.empty()) {
        return fail(problem);
    }

    // A bare file name would make LoadLibraryW search the DLL path; the host names a file.
    // No error dialog: a host loading plug-ins at start-up must not stop on a bad file.
    const std::wstring file =
        WideFromUtf8(path.find_first_of("/\\") == std::string::npos ? ".\\" + path : path);
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE handle = LoadLibraryW(file.c_str());
    const DWORD code = GetLastError();
    SetErrorMode(previousMode);
    if (!handle) {
        if (code == ERROR_DLL_INIT_FAILED) return fail("its DllMain refused the process attach");
        return fail("not a loadable module (error " + std::to_string(code) + ")");
    }

    std::unique_ptr<Module> module(new Module(path, handle));
    // DllMain is the module's entry point, which the system loader has called; not an export.
    std::string missing;
    module->BindExports(missing);
    if (!missing.empty()) return fail(LacksExports(missing));
    return module;
}

Module::Module(std::string path, void* handle)
    : path_(std::move(path)), handle_(handle), instance_(static_cast<HINSTANCE>(handle)) {}

Module::~Module() {
    FreeLibrary(instance_);
}

// GetProcAddress looks only at the module's own export table.
void* Module::FindExport(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(instance_, name));
}

}  // namespace standin
