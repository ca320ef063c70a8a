// Output files: a temporary file created exclusively beside the final path (a name no other
// run can hold), written whole, then renamed over the final path, on POSIX and Windows alike.
#include "tools/veltrane/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

#include "tools/veltrane/command_line.h"

namespace veltrane::tools {
namespace {

#if defined(_WIN32)
int OpenNew(const std::string& name) {
    return _open(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int fd, const char* bytes, std::size_t size) {
    return _write(fd, bytes, static_cast<unsigned int>(std::min<std::size_t>(size, 1u << 30)));
}
int CloseFile(int fd) {
    return _close(fd);
}
#else
// 0666 less the umask: what any new file of the user gets.
int OpenNew(const std::string& name) {
    return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
ssize_t WriteSome(int fd, const char* bytes, std::size_t size) {
    return ::write(fd, bytes, size);
}
int CloseFile(int fd) {
    return ::close(fd);
}
#endif

// "PATH.tmp-" and six random letters: a fresh name each try.
std::string TemporaryName(const std::string& path, std::mt19937_64& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = path + ".tmp-";
    for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

bool IsFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

}  // namespace

OutputFile::OutputFile(const std::string& option, std::string finalPath)
    : path(std::move(finalPath)) {
    if (IsFolder(path)) {
        throw UsageError(option + ": cannot create '" + path + "' (it is a folder)");
    }
    std::random_device seed;
    std::mt19937_64 random((std::uint64_t{seed()} << 32) ^ seed());
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(path, random);
        fd = OpenNew(temporary);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        throw UsageError(option + ": cannot create '" + path + "' (" + std::strerror(errno) + ")");
    }
}

OutputFile::~OutputFile() {
    if (fd >= 0) CloseFile(fd);
    if (!committed) std::remove(temporary.c_str());
}

bool OutputFile::Write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0 && writeError == 0) {
        const auto n = WriteSome(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            writeError = n < 0 ? errno : EIO;
            break;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return writeError == 0;
}

void OutputFile::Commit() {
    if (CloseFile(fd) != 0 && writeError == 0) writeError = errno;
    fd = -1;
    std::string reason = writeError != 0 ? std::strerror(writeError) : "";
    if (writeError == 0) {
        // Replaces an existing file on Windows too, where std::rename would refuse.
        std::error_code error;
        std::filesystem::rename(temporary, path, error);
        if (error) reason = error.message();
    }
    if (!reason.empty()) throw std::runtime_error("cannot write '" + path + "': " + reason);
    committed = true;
}

}  // namespace veltrane::tools
