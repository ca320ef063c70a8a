// The host's plug-in loader. On the stand-in a module handle is the dlopen() handle.
#include <standin/module_loader.h>

#include "module_exports.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <map>
#include <utility>

#include "elf_image_check.h"
#include "module_file_check.h"

namespace standin {
namespace {

// Loads per module handle: dlopen() counts them too, but only the first load may attach
// and only the last unload may detach. The host loads and unloads on its main thread only.
std::map<void*, int>& LoadCounts() {
    static std::map<void*, int> counts;
    return counts;
}

std::string LastDlError() {
    const char* message = dlerror();
    return message ? message : "unknown error";
}

link_map* LinkMapOf(void* handle) {
    link_map* map = nullptr;
    return dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 ? map : nullptr;
}

}  // namespace

std::unique_ptr<Module> Module::Load(const std::string& path, std::string* error) {
    const std::string prefix = "cannot load module '" + path + "': ";
    auto fail = [&](const std::string& why) {
        if (error) *error = prefix + why;
        return nullptr;
    };

    if (const std::string problem = ModuleFileProblem(path); !problem.empty()) return fail(problem);

    // dlopen() maps what the program headers describe without checking it against the file.
    const std::string problem = ElfImageProblem(path);
    if (!problem.empty()) return fail("not a loadable module (" + problem + ")");

    // A bare file name would make dlopen() search the library path; the host names a file.
    const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    dlerror();
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return fail("not a loadable module (" + LastDlError() + ")");

    std::unique_ptr<Module> module(new Module(path, handle));
    // The stand-in calls DllMain itself, so it looks it up like the exports.
    std::string missing;
    BindExport(*module, "DllMain", module->dllMain_, missing);
    module->BindExports(missing);
    if (!missing.empty()) {
        module->dllMain_ = nullptr;  // never attached, so it must not be detached
        return fail(LacksExports(missing));
    }

    if (++LoadCounts()[handle] == 1 &&
        !module->dllMain_(module->instance_, DLL_PROCESS_ATTACH, nullptr)) {
        return fail("its DllMain refused the process attach");  // detached by ~Module
    }
    return module;
}

Module::Module(std::string path, void* handle)
    : path_(std::move(path)), handle_(handle), instance_(reinterpret_cast<HINSTANCE>(handle)) {}

Module::~Module() {
    if (dllMain_) {
        auto& counts = LoadCounts();
        auto it = counts.find(handle_);
        if (it != counts.end() && --it->second == 0) {
            counts.erase(it);
            dllMain_(instance_, DLL_PROCESS_DETACH, nullptr);
        }
    }
    dlclose(handle_);
}

void* Module::FindExport(const char* name) const {
    void* symbol = dlsym(handle_, name);
    if (!symbol) return nullptr;
    // dlsym() also searches the module's dependencies; only the module's own symbols count.
    Dl_info info;
    link_map* owner = nullptr;
    if (!dladdr1(symbol, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP)) return nullptr;
    return owner == LinkMapOf(handle_) ? symbol : nullptr;
}

}  // namespace standin
