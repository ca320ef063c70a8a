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

}  // namespace veltrane::tools
