// Where the command finds the plug-in module and the data folder: beside itself once
// installed (<prefix>/bin/veltrane), in the build and source trees when run from its build tree.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace veltrane::tools {

/// The running command's file, or nothing where the system does not say (and on Windows,
/// whose build runs from its build tree only).
std::optional<std::filesystem::path> RunningCommand();

/// The module of the installed layout for a command at `command`:
/// <prefix>/lib/veltrane/MODULE for <prefix>/bin/veltrane.
std::filesystem::path InstalledModule(const std::filesystem::path& command);

/// The module a command at `command` loads by default: the module built beside it when the
/// command lies inside the build tree `buildTree`, else the installed layout's module, so
/// that an installed copy never reaches into a build folder and a build never loads an
/// older installed module.
std::filesystem::path ModuleFor(const std::filesystem::path& command,
                                const std::filesystem::path& buildTree,
                                const std::filesystem::path& builtModule);

/// ModuleFor the running command (the built module where the command's file is unknown).
std::string DefaultModulePath();

/// share/veltrane/data of the prefix a command at `command` is installed in.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& command);

}  // namespace veltrane::tools
