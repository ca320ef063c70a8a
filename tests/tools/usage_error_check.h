// The check every refusal of the built command must pass.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/tool_runner.h"

namespace veltrane::tools {

/// Runs the command with args and expects exit status 2, nothing on standard output and one
/// line on standard error that starts with "veltrane COMMAND: " and err.
inline void ExpectUsageError(const std::vector<std::string>& args, const std::string& err) {
    const ToolRun run = RunTool(args);
    const std::string prefix = "veltrane " + args[0] + ": ";
    EXPECT_EQ(run.status, 2) << err;
    EXPECT_EQ(run.out, "") << err;
    EXPECT_EQ(run.err.rfind(prefix + err, 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
}

}  // namespace veltrane::tools
