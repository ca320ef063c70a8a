// Stand-in internals: the host's plug-in loader. Loads a module file as the host does
// (static initialisation, then DllMain with the process attach reason), finds its six
// exports by name, and unloads it (DllMain with the detach reason, then static destruction).
#pragma once

#include <memory>
#include <string>

#include <plugapi.h>
#include <windows.h>
#include "exports.h"

namespace standin {

class STANDIN_EXPORT Module {
  public:
    // Loads the module file at `path`. On failure returns null and sets `*error` to one line
    // naming the file and what is wrong: a missing file; not a regular file (a
    // directory, a device or a named pipe, which opening would wait on); not a loadable module (not
    // an ELF shared object for this machine, cut short, or refused by the dynamic loader); DllMain
    // refused the attach; the exports it lacks. Nothing stays loaded then.
    static std::unique_ptr<Module> Load(const std::string& path, std::string* error);

    // Unloads: DllMain(DLL_PROCESS_DETACH), then the module's static destruction. Loads of
    // one file are counted, as LoadLibrary counts them: only the first load attaches and
    // only the last unload detaches.
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    const std::string& Path() const { return path_; }
    // The module handle the module's DllMain received.
    HINSTANCE Instance() const { return instance_; }

    const MCHAR* LibDescription() const { return libDescription_(); }
    int LibNumberClasses() const { return libNumberClasses_(); }
    ClassDesc* LibClassDesc(int i) const { return libClassDesc_(i); }
    ULONG LibVersion() const { return libVersion_(); }
    int LibInitialize() const { return libInitialize_(); }
    int LibShutdown() const { return libShutdown_(); }

    // Address of a symbol that the module file itself exports (not one of its
    // dependencies); null if it has none of that name.
    void* FindExport(const char* name) const;

  private:
    using DllMainFn = BOOL (*)(HINSTANCE, DWORD, LPVOID);
    using LibDescriptionFn = const MCHAR* (*)();
    using LibNumberClassesFn = int (*)();
    using LibClassDescFn = ClassDesc* (*)(int);
    using LibVersionFn = ULONG (*)();
    using LibInitializeFn = int (*)();
    using LibShutdownFn = int (*)();

    Module(std::string path, void* handle);
    // Looks up the six exports; appends the names of those missing to `missing`.
    void BindExports(std::string& missing);

    std::string path_;
    void* handle_;
    HINSTANCE instance_;
    DllMainFn dllMain_ = nullptr;
    LibDescriptionFn libDescription_ = nullptr;
    LibNumberClassesFn libNumberClasses_ = nullptr;
    LibClassDescFn libClassDesc_ = nullptr;
    LibVersionFn libVersion_ = nullptr;
    LibInitializeFn libInitialize_ = nullptr;
    LibShutdownFn libShutdown_ = nullptr;
};

}  // namespace standin
