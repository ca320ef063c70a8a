#include "tools/veltrane/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "tools/veltrane/command_line.h"

namespace veltrane::tools {
namespace {

// The permissions open() would give a new file: 0666 less the process's umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

OutputFile::OutputFile(const std::string& option, std::string finalPath)
    : path(std::move(finalPath)) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        throw UsageError(option + ": cannot create '" + path + "' (it is a folder)");
    }
    temporary = path + ".tmp-XXXXXX";
    fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        throw UsageError(option + ": cannot create '" + path + "' (" + std::strerror(errno) + ")");
    }
}

OutputFile::~OutputFile() {
    if (fd >= 0) ::close(fd);
    if (!committed) ::unlink(temporary.c_str());
}

bool OutputFile::Write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0 && writeError == 0) {
        const ssize_t n = ::write(fd, bytes, size);
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
    if (writeError == 0 && ::fchmod(fd, NewFileMode()) != 0) writeError = errno;
    if (::close(fd) != 0 && writeError == 0) writeError = errno;
    fd = -1;
    if (writeError == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) writeError = errno;
    if (writeError != 0) {
        throw std::runtime_error("cannot write '" + path + "': " + std::strerror(writeError));
    }
    committed = true;
}

}  // namespace veltrane::tools
