#include "tools/veltrane/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/veltrane/command_line.h"

namespace veltrane::tools {

OutputFile::OutputFile(const std::string& option, std::string path) : path_(std::move(path)) {
    // O_EXCL keeps us from writing through someone else's file; the mode leaves the
    // permissions to the umask, as for any new file.
    for (int attempt = 0; fd_ < 0 && attempt < 100; ++attempt) {
        temporary_ = path_ + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        throw UsageError(option + ": cannot create '" + path_ + "' (" + std::strerror(errno) + ")");
    }
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temporary_.c_str());
}

bool OutputFile::Write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (!failed_ && size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failed_ = true;
            break;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return !failed_;
}

bool OutputFile::Commit() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) failed_ = true;
    if (!failed_ && std::rename(temporary_.c_str(), path_.c_str()) == 0) committed_ = true;
    return committed_;
}

}  // namespace veltrane::tools
