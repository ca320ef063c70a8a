// Test helper: a module dlopen()ed for a test's lifetime, with its handle as an HINSTANCE,
// as the stand-in loader hands it to the module.
#pragma once

#include <dlfcn.h>
#include <windows.h>

namespace standin::test {

class LoadedModule {
public:
    explicit LoadedModule(const char* path) : handle(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {}
    ~LoadedModule() {
        if (handle != nullptr) {
            dlclose(handle);
        }
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    HINSTANCE Instance() const { return static_cast<HINSTANCE>(handle); }

private:
    void* handle;
};

}  // namespace standin::test
