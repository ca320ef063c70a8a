// Finding the data folder (option, environment, installed, source) and loading its CIE tables.
#include "tools/veltrane/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "tools/veltrane/command_line.h"
#include "tools/veltrane/install_layout.h"
#include "tools/veltrane/nk_input.h"

namespace veltrane::tools {
namespace {

namespace fs = std::filesystem;

bool HoldsTables(const fs::path& folder) {
    std::error_code ignored;
    return fs::is_regular_file(folder / kObserverFile, ignored) &&
           fs::is_regular_file(folder / kIlluminantFile, ignored);
}

// share/veltrane/data under the prefix the command is installed in (<prefix>/bin/veltrane).
std::optional<fs::path> InstalledFolder() {
    const std::optional<fs::path> command = RunningCommand();
    if (!command) return std::nullopt;
    return InstalledDataFolder(*command);
}

std::string MissingTables() {
    return "holds no CIE tables (" + std::string(kObserverFile) + ", " +
           std::string(kIlluminantFile) + ")";
}

}  // namespace

std::optional<std::string> FindDataFolderIfAny(const std::string& option) {
    if (!option.empty()) {
        if (!HoldsTables(option)) throw UsageError("--data: '" + option + "' " + MissingTables());
        return option;
    }
    if (const char* named = std::getenv(kDataEnvironment); named != nullptr && *named != '\0') {
        if (!HoldsTables(named)) {
            throw UsageError(std::string(kDataEnvironment) + "='" + named + "' " + MissingTables());
        }
        return std::string(named);
    }
    std::vector<fs::path> candidates;
    if (auto installed = InstalledFolder()) candidates.push_back(*installed);
    candidates.emplace_back(VELTRANE_SOURCE_DATA);
    for (const fs::path& folder : candidates) {
        if (HoldsTables(folder)) return folder.string();
    }
    return std::nullopt;
}

std::string FindDataFolder(const std::string& option) {
    if (auto folder = FindDataFolderIfAny(option)) return *folder;
    std::string looked;
    if (auto installed = InstalledFolder()) looked = installed->string() + " and ";
    throw UsageError("the CIE tables (" + std::string(kObserverFile) + ", " +
                     std::string(kIlluminantFile) + ") were not found in " + looked +
                     VELTRANE_SOURCE_DATA + " (name their folder with --data DIR or " +
                     kDataEnvironment + ")");
}

CieTables LoadCieTables(const std::string& folder) {
    const std::string observer = (fs::path(folder) / kObserverFile).string();
    const std::string illuminant = (fs::path(folder) / kIlluminantFile).string();
    CieParse parse =
        ParseCieTables(ReadTextFile(observer), observer, ReadTextFile(illuminant), illuminant);
    if (!parse.tables) throw UsageError(parse.error);
    return std::move(*parse.tables);
}

}  // namespace veltrane::tools
