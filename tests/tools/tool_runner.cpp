// posix_spawn with temporary files for the three standard streams: no pipe can fill up.
#include "tests/tools/tool_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace veltrane::tools {
namespace {

class TempFile {
  public:
    TempFile() {
        const char* dir = std::getenv("TMPDIR");
        path = std::string(dir != nullptr ? dir : "/tmp") + "/veltrane-test-XXXXXX";
        fd = ::mkstemp(path.data());
        if (fd < 0) throw std::runtime_error("mkstemp failed");
    }
    ~TempFile() {
        ::close(fd);
        ::unlink(path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string Read() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string path;
    int fd;
};

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input) {
    return RunTool(args, input, ToolStreams{});
}

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input,
                const ToolStreams& streams) {
    TempFile in, out, err;
    { std::ofstream(in.path, std::ios::binary) << input; }
    std::vector<std::string> argvStrings = {VELTRANE_TOOL};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argvStrings) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string& inPath = streams.stdinPath.empty() ? in.path : streams.stdinPath;
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    if (streams.stdoutPath.empty()) {
        posix_spawn_file_actions_adddup2(&actions, out.fd, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, streams.stdoutPath.c_str(), O_WRONLY, 0);
    }
    posix_spawn_file_actions_adddup2(&actions, err.fd, 2);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + argvStrings[0]);

    int wstatus = 0;
    while (::waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    ToolRun run;
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    run.out = out.Read();
    run.err = err.Read();
    return run;
}

}  // namespace veltrane::tools
