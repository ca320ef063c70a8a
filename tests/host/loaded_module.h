// Test helper: a module loaded for a test's lifetime with the platform's own loader, with
// its handle as an HINSTANCE, as the host's loader hands it to the module.
#pragma once

#include <windows.h>

#include <string>

#if defined(_WIN32)
#include <filesystem>
#else
#include <dlfcn.h>
#endif

namespace standin::test {

class LoadedModule {
  public:
#if defined(_WIN32)
    explicit LoadedModule(const char* path)
        : handle(LoadLibraryW(std::filesystem::path(path).wstring().c_str())),
          error(handle ? "" : "LoadLibraryW error " + std::to_string(GetLastError())) {}
    ~LoadedModule() {
        if (handle != nullptr) FreeLibrary(handle);
    }
    HINSTANCE Instance() const {
        return handle;
    }
#else
    explicit LoadedModule(const char* path)
        : handle(dlopen(path, RTLD_NOW | RTLD_LOCAL)), error(handle ? "" : dlerror()) {}
    ~LoadedModule() {
        if (handle != nullptr) dlclose(handle);
    }
    HINSTANCE Instance() const {
        return static_cast<HINSTANCE>(handle);
    }
#endif
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    // Why the load failed; empty after a successful one.
    const std::string& Error() const {
        return error;
    }

  private:
#if defined(_WIN32)
    HMODULE handle;
#else
    void* handle;
#endif
    std::string error;
};

}  // namespace standin::test
