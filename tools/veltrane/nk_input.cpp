// Database files for the commands: read whole with a size limit, parsed, point-sampled at
// the channel wavelengths, every fault a UsageError naming the file.
#include "tools/veltrane/nk_input.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "tools/veltrane/command_line.h"

namespace veltrane::tools {
namespace {

constexpr std::size_t kMaxFileBytes = 64u << 20;

}  // namespace

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UsageError(path + ": cannot be opened (" + std::strerror(errno) + ")");
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileBytes) {
            throw UsageError(path + ": larger than " + std::to_string(kMaxFileBytes >> 20) +
                             " MiB, too large for a data file");
        }
    }
    if (in.bad()) throw UsageError(path + ": cannot be read");
    return text;
}

NkTable LoadNkTable(const std::string& path) {
    NkParse parse = ParseNkFile(ReadTextFile(path), path);
    if (!parse.table) throw UsageError(parse.error);
    return std::move(*parse.table);
}

}  // namespace veltrane::tools
