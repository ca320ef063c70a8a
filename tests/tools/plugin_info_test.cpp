// `veltrane plugin-info`, run in-process.
#include "tools/veltrane/plugin_info_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tests/support/scoped_env.h"
#if !defined(_WIN32)
#include "tests/support/module_file.h"
#endif
#include "tests/support/scratch_file.h"
#include "tests/tools/tool_runner.h"

using veltrane::tools::RunPluginInfo;
using veltrane::tools::ToolRun;

namespace {

ToolRun PluginInfo(const std::string& path) {
    std::ostringstream out, err;
    const int status = RunPluginInfo(path, out, err);
    return {status, out.str(), err.str()};
}

// Needs the module's string table (description, class name, category).
TEST(PluginInfo, ListsTheModuleAndItsClass) {
    const ToolRun run = PluginInfo(VELTRANE_MODULE);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "module            " VELTRANE_MODULE
                       "\n"
                       "LibVersion        0x6D604400 (release 28000, API 68, revision 0)\n"
                       "LibDescription    Complex IOR TexMap\n"
                       "LibNumberClasses  1\n"
                       "class 0\n"
                       "  ClassName              Veltrane\n"
                       "  NonLocalizedClassName  Veltrane\n"
                       "  InternalName           Veltrane\n"
                       "  Category               Standard\n"
                       "  ClassID                0x9F6ECB34 0x768F22AB\n"
                       "  SuperClassID           0xC10\n"
                       "  IsPublic               1\n");
}

TEST(PluginInfo, UnusableFilesGiveOneLineAndStatusTwo) {
    const ScratchFile text("plugin-info-not-a-module.txt", "not a module\n");
    const struct {
        std::string path;
        std::string expectedStart;
    } cases[] = {
        {"/nonexistent/veltrane.so",
         "cannot load module '/nonexistent/veltrane.so': no such file\n"},
        {text.Path(), "cannot load module '" + text.Path() + "': not a loadable module ("},
        {MODULE_WITHOUT_LIB_VERSION,
         "cannot load module '" MODULE_WITHOUT_LIB_VERSION "': it lacks the export LibVersion\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const ToolRun run = PluginInfo(c.path);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(c.expectedStart, 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line";
    }
}

// The loader would map segments past the end of a cut-off copy; it must refuse it first.
// ELF images only: the Windows loader checks a PE image itself.
#if !defined(_WIN32)
// Lengths are taken of the part the loader maps, the segments.
TEST(PluginInfo, TruncatedModulesAreRefused) {
    const std::string whole = FileContents(VELTRANE_MODULE);
    const std::size_t mapped = SegmentsEnd(whole);
    ASSERT_GT(mapped, 4096u);
    const std::size_t lengths[] = {
        0, 4, 63, 64, 200, 4096, mapped / 4, mapped / 2, mapped * 3 / 4, mapped - 1};
    for (std::size_t length : lengths) {
        SCOPED_TRACE(length);
        const ScratchFile cut("plugin-info-cut.so", whole.substr(0, length));
        const ToolRun run = PluginInfo(cut.Path());
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(
            run.err.rfind("cannot load module '" + cut.Path() + "': not a loadable module (", 0),
            0u)
            << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line";
    }
    const ScratchFile copy("plugin-info-copy.so", whole);
    EXPECT_EQ(PluginInfo(copy.Path()).status, 0);
}
#endif

TEST(PluginInfo, RefusedInitializationGivesStatusTwo) {
    const ToolRun run = [] {
        const ScopedEnv refuse("LIFECYCLE_REFUSE_INITIALIZE", "1");
        return PluginInfo(LIFECYCLE_MODULE);
    }();
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "cannot use module '" LIFECYCLE_MODULE "': its LibInitialize returned FALSE\n");
}

}  // namespace
