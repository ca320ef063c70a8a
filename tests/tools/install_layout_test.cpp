// Which module and data folder a command uses, from where its file lies.
#include "tools/veltrane/install_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"

namespace veltrane::tools {
namespace {

namespace fs = std::filesystem;

TEST(InstallLayout, ACommandInItsBuildTreeLoadsTheBuiltModuleAndAnyOtherTheInstalledOne) {
    const ScratchFolder root("install-layout");
    const fs::path r = fs::path(root.File("build")).parent_path();
    const fs::path tree = r / "build" / "dev";
    const fs::path built = tree / "plugin" / "veltrane.so";
    fs::create_directories(tree / "tools");
    fs::create_directories(r / "build" / "dev2" / "tools");
    fs::create_directories(r / "prefix" / "bin");
    fs::create_symlink(tree / "tools", r / "link-to-tools");
    const std::string module = fs::path(VELTRANE_MODULE).filename().string();
    struct Case {
        const char* what;
        fs::path command;
        fs::path expected;
    };
    const Case cases[] = {
        {"in the build tree", tree / "tools" / "veltrane", built},
        {"deeper in the build tree (a test program)", tree / "tests" / "tools" / "t", built},
        {"in the tree, named through '..'", tree / "tools" / ".." / "tools" / "veltrane", built},
        {"in the tree through a link", r / "link-to-tools" / "veltrane", built},
        {"installed", r / "prefix" / "bin" / "veltrane",
         r / "prefix" / "lib" / "veltrane" / module},
        {"a sibling folder whose name starts like the tree's", r / "build" / "dev2" / "tools" / "v",
         r / "build" / "dev2" / "lib" / "veltrane" / module},
        {"the tree's parent", r / "build" / "veltrane", r / "lib" / "veltrane" / module},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModuleFor(c.command, tree, built), c.expected) << c.what;
    }
}

TEST(InstallLayout, ATestProgramInTheBuildTreeGetsTheBuiltModule) {
    EXPECT_EQ(fs::weakly_canonical(DefaultModulePath()), fs::weakly_canonical(VELTRANE_MODULE));
}

}  // namespace
}  // namespace veltrane::tools
