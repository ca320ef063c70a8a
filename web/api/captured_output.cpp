// dup2 onto files of the in-memory file system; stdio is flushed before each switch so that
// no byte lands on the wrong side.
#include "web/api/captured_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace veltrane::web {
namespace {

constexpr const char* kOutPath = "/tmp/veltrane-stdout";
constexpr const char* kErrPath = "/tmp/veltrane-stderr";

int RedirectTo(int fd, const char* path) {
    const int saved = ::dup(fd);
    const int file = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, fd);
    ::close(file);
    return saved;
}

void Restore(int fd, int saved) {
    ::dup2(saved, fd);
    ::close(saved);
}

std::string FileText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

CapturedOutput::CapturedOutput() {
    std::fflush(stdout);
    std::fflush(stderr);
    savedOut = RedirectTo(1, kOutPath);
    savedErr = RedirectTo(2, kErrPath);
}

CapturedOutput::~CapturedOutput() {
    std::fflush(stdout);
    std::fflush(stderr);
    Restore(1, savedOut);
    Restore(2, savedErr);
}

std::string CapturedOutput::Out() {
    std::fflush(stdout);
    return FileText(kOutPath);
}

std::string CapturedOutput::Err() {
    std::fflush(stderr);
    return FileText(kErrPath);
}

}  // namespace veltrane::web
