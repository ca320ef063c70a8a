// The loader drives a module as the host does and really unloads it.
#include <gtest/gtest.h>
#include <standin/module_loader.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

#include "tests/support/load_module.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_file.h"

namespace {

#if defined(_WIN32)
constexpr bool kDlsymSearchesDependencies = false;
#else
constexpr bool kDlsymSearchesDependencies = true;
#endif

using standin::Module;

template <typename Fn>
Fn Export(const Module& module, const char* name) {
    return reinterpret_cast<Fn>(module.FindExport(name));
}

std::string Events(const Module& module) {
    return Export<const char* (*)()>(module, "Events")();
}

// Still mapped in the process? Asked without loading it: RTLD_NOLOAD on POSIX, the module
// handle lookup on Windows.
bool IsMapped(const std::string& path) {
#if defined(_WIN32)
    return GetModuleHandleW(std::filesystem::path(path).wstring().c_str()) != nullptr;
#else
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
#endif
}

// A symbol that the process can see through the module's dependencies: dlsym() on a
// module handle finds it; GetProcAddress looks at the module's export table only.
bool DependencySymbolVisible(const standin::Module& module, const char* name) {
#if defined(_WIN32)
    return GetProcAddress(module.Instance(), name) != nullptr;
#else
    return dlsym(reinterpret_cast<void*>(module.Instance()), name) != nullptr;
#endif
}

// Loads the lifecycle module; at unload its static destructor copies its events here.
struct WatchedModule {
    char report[128] = "";
    std::unique_ptr<Module> module = LoadOrFail(LIFECYCLE_MODULE);

    WatchedModule() {
        if (module) {
            Export<void (*)(char*, std::size_t)>(*module, "ReportEventsOnUnload")(report,
                                                                                  sizeof report);
        }
    }
};

TEST(ModuleLoader, InitialisesStaticsThenAttachesWithTheModuleHandle) {
    const auto module = LoadOrFail(LIFECYCLE_MODULE);
    ASSERT_TRUE(module);
    EXPECT_EQ(Events(*module), "construct attach ");
    EXPECT_EQ(Export<HINSTANCE (*)()>(*module, "AttachedInstance")(), module->Instance());
    EXPECT_NE(module->Instance(), nullptr);
    EXPECT_EQ(module->Path(), LIFECYCLE_MODULE);
}

TEST(ModuleLoader, UnloadDetachesThenDestroysStaticsAndUnmaps) {
    WatchedModule watched;
    ASSERT_TRUE(watched.module);
    watched.module.reset();
    EXPECT_STREQ(watched.report, "construct attach detach destroy");
    EXPECT_FALSE(IsMapped(LIFECYCLE_MODULE));
}

TEST(ModuleLoader, ReloadStartsFromFreshStatics) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        const auto module = LoadOrFail(LIFECYCLE_MODULE);
        ASSERT_TRUE(module);
        EXPECT_EQ(Events(*module), "construct attach ");
    }
}

TEST(ModuleLoader, NestedLoadsAttachOnceAndDetachAtTheLastUnload) {
    WatchedModule last;
    ASSERT_TRUE(last.module);
    auto first = LoadOrFail(LIFECYCLE_MODULE);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Instance(), last.module->Instance());
    first.reset();
    EXPECT_EQ(Events(*last.module), "construct attach ");
    last.module.reset();
    EXPECT_STREQ(last.report, "construct attach detach destroy");
}

TEST(ModuleLoader, FindsOnlyTheModulesOwnSymbols) {
    const auto module = LoadOrFail(LIFECYCLE_MODULE);
    ASSERT_TRUE(module);
    EXPECT_NE(module->FindExport("LibVersion"), nullptr);
    EXPECT_EQ(module->FindExport("NoSuchExport"), nullptr);
    // malloc is reachable through the module's dependencies (on POSIX, where dlsym()
    // finds it) but is not the module's export.
    EXPECT_EQ(DependencySymbolVisible(*module, "malloc"), kDlsymSearchesDependencies);
    EXPECT_EQ(module->FindExport("malloc"), nullptr);
}

TEST(ModuleLoader, FailuresNameTheFileAndWhatIsWrong) {
    const ScratchFile text("not-a-module.txt", "plain text, not a module\n");
    const std::string missing = text.Path() + ".missing";
    struct Case {
        std::string path;
        std::string expectedStart;
    } cases[] = {
        {missing, "cannot load module '" + missing + "': no such file"},
        {text.Path(), "cannot load module '" + text.Path() + "': not a loadable module ("},
        {MODULE_WITHOUT_LIB_VERSION,
         "cannot load module '" MODULE_WITHOUT_LIB_VERSION "': it lacks the export LibVersion"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::string error;
        EXPECT_EQ(Module::Load(c.path, &error), nullptr);
        EXPECT_EQ(error.rfind(c.expectedStart, 0), 0u) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
        EXPECT_FALSE(IsMapped(c.path));
    }
}

TEST(ModuleLoader, RefusedAttachFailsTheLoadAndUnloads) {
    std::string error;
    const auto module = [&] {
        const ScopedEnv refuse("LIFECYCLE_REFUSE_ATTACH", "1");
        return Module::Load(LIFECYCLE_MODULE, &error);
    }();
    EXPECT_EQ(module, nullptr);
    EXPECT_EQ(error,
              "cannot load module '" LIFECYCLE_MODULE "': its DllMain refused the process attach");
    EXPECT_FALSE(IsMapped(LIFECYCLE_MODULE));
}

}  // namespace
