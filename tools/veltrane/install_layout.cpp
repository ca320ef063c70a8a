// The installed layout (<prefix>/bin, lib/veltrane, share/veltrane/data) and the choice
// between it and the build tree.
#include "tools/veltrane/install_layout.h"

#include <system_error>

namespace veltrane::tools {
namespace {

namespace fs = std::filesystem;

// The prefix of a command installed as <prefix>/bin/NAME.
fs::path PrefixOf(const fs::path& command) {
    return command.parent_path().parent_path();
}

// Whether `path` lies inside `folder`, compared component by component (so build/dev2 is
// not inside build/dev), after resolving links and "..".
bool Inside(const fs::path& path, const fs::path& folder) {
    std::error_code error;
    const fs::path p = fs::weakly_canonical(path, error);
    if (error) return false;
    const fs::path f = fs::weakly_canonical(folder, error);
    if (error || f.empty()) return false;
    auto pi = p.begin();
    for (auto fi = f.begin(); fi != f.end(); ++fi, ++pi) {
        if (fi->empty()) continue;  // the trailing separator of "dir/"
        if (pi == p.end() || *pi != *fi) return false;
    }
    return true;
}

}  // namespace

std::optional<fs::path> RunningCommand() {
#ifdef _WIN32
    // The Windows build runs from its build tree only (under Wine in the tests), where the
    // compiled-in paths are the ones to use.
    return std::nullopt;
#else
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return exe;
#endif
}

fs::path InstalledModule(const fs::path& command) {
    return PrefixOf(command) / VELTRANE_MODULE_INSTALL_DIR / VELTRANE_MODULE_NAME;
}

fs::path ModuleFor(const fs::path& command, const fs::path& buildTree,
                   const fs::path& builtModule) {
    if (Inside(command, buildTree)) return builtModule;
    return InstalledModule(command);
}

std::string DefaultModulePath() {
    const std::optional<fs::path> command = RunningCommand();
    if (!command) return VELTRANE_DEFAULT_MODULE;
    return ModuleFor(*command, VELTRANE_BUILD_TREE, VELTRANE_DEFAULT_MODULE).string();
}

fs::path InstalledDataFolder(const fs::path& command) {
    return PrefixOf(command) / "share" / "veltrane" / "data";
}

}  // namespace veltrane::tools
