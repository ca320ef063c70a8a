// What both platforms' loaders check of a module file before handing it to the system loader.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace standin {

/// Empty if path names a regular file; otherwise why it cannot be a module. Checked apart
/// from the system loader, whose "not found" may concern a dependency instead, and because
/// opening a named pipe or a device to read it would wait or read without end.
inline std::string ModuleFileProblem(const std::filesystem::path& path) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return "no such file";
    if (!std::filesystem::is_regular_file(path, ignored)) return "not a regular file";
    return std::string();
}

}  // namespace standin
