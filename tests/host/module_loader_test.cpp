// The loader drives a module as the host does and really unloads it.
#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <gtest/gtest.h>
#include <standin/module_loader.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/load_module.h"
#include "tests/support/module_file.h"
#include "tests/support/scratch_file.h"

namespace {

using standin::Module;

template <typename Fn>
Fn Export(const Module& module, const char* name) {
    return reinterpret_cast<Fn>(module.FindExport(name));
}

std::string Events(const Module& module) { return Export<const char* (*)()>(module, "Events")(); }

// Still mapped in the process? RTLD_NOLOAD finds a loaded module without loading it.
bool IsMapped(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
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
    // malloc is visible through the module's dependencies but is not the module's export.
    ASSERT_NE(dlsym(reinterpret_cast<void*>(module->Instance()), "malloc"), nullptr);
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

// A good module with one field of its ELF header changed, or cut short: refused before the
// dynamic loader maps anything, with what is wrong.
TEST(ModuleLoader, RefusesModulesThatAreNotWholeSharedObjectsForThisMachine) {
    const std::string good = FileContents(LIFECYCLE_MODULE);
    ASSERT_GT(good.size(), sizeof(ElfW(Ehdr)));
    const auto with = [&good](std::size_t offset, auto value) {
        std::string bytes = good;
        std::memcpy(&bytes[offset], &value, sizeof value);
        return bytes;
    };
    ElfW(Ehdr) header;
    std::memcpy(&header, good.data(), sizeof header);
    const struct {
        const char* what;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"32-bit", with(EI_CLASS, std::uint8_t{ELFCLASS32}), "a 32-bit ELF file"},
        {"an executable", with(offsetof(ElfW(Ehdr), e_type), std::uint16_t{ET_EXEC}), "not a shared object"},
        {"another machine", with(offsetof(ElfW(Ehdr), e_machine), std::uint16_t{EM_RISCV}), "for machine 243"},
        {"program headers cut off", good.substr(0, header.e_phoff + 8),
         "the program headers end past the end of the file"},
        {"half", good.substr(0, SegmentsEnd(good) / 2), "ends past the end of the file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFile file("patched-module.so", c.bytes);
        std::string error;
        EXPECT_EQ(Module::Load(file.Path(), &error), nullptr);
        EXPECT_EQ(error.rfind("cannot load module '" + file.Path() + "': not a loadable module (", 0),
                  0u)
            << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(ModuleLoader, RefusedAttachFailsTheLoadAndUnloads) {
    ASSERT_EQ(setenv("LIFECYCLE_REFUSE_ATTACH", "1", 1), 0);
    std::string error;
    const auto module = Module::Load(LIFECYCLE_MODULE, &error);
    unsetenv("LIFECYCLE_REFUSE_ATTACH");
    EXPECT_EQ(module, nullptr);
    EXPECT_EQ(error,
              "cannot load module '" LIFECYCLE_MODULE "': its DllMain refused the process attach");
    EXPECT_FALSE(IsMapped(LIFECYCLE_MODULE));
}

}  // namespace
