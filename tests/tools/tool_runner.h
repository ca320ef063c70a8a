// Runs the built veltrane command with given arguments and standard input.
#pragma once

#include <string>
#include <vector>

namespace veltrane::tools {

struct ToolRun {
    int status = -1;  // exit status, or -1 if the process did not exit normally
    std::string out;
    std::string err;
};

/// Runs the tool with args and input as its standard input; waits for it to finish.
ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = "");

/// Where the standard streams of a run come from and go to, when not the captured defaults.
struct ToolStreams {
    std::string stdinPath;   // a file (or directory) opened for reading instead of `input`
    std::string stdoutPath;  // a file opened for writing (such as /dev/full); out stays empty
};

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input,
                const ToolStreams& streams);

}  // namespace veltrane::tools
