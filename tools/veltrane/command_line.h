// The veltrane command line: subcommand registration, parsing and one-line usage errors.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <stdexcept>
#include <string>

namespace veltrane::tools {

/// What a subcommand does once its options are parsed; returns the exit status.
using CommandAction = std::function<int()>;

/// A mistake of the caller that the action finds (an unknown preset, a malformed number):
/// reported as one line on standard error, exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// Exit status of usage errors.
constexpr int kUsageExit = 2;

/// Adds subcommand name to app; action runs when the command line chose it and parsed
/// without error. Returns the subcommand, for its options.
CLI::App* AddCommand(CLI::App& app, const std::string& name, const std::string& description,
                     CommandAction action);

/// Adds an option whose value is kept as typed, so that the action checks it and reports
/// every mistake in the same form; valueName stands for the value in the help.
CLI::Option* AddTextOption(CLI::App& command, const std::string& name, std::string& value,
                           const std::string& valueName, const std::string& description);

/// Parses argv and runs the chosen subcommand. --help prints help and gives 0; unknown
/// options or commands, malformed values and UsageErrors give one line on standard error
/// naming the bad value and the valid choices, and 2.
int RunCommandLine(CLI::App& app, int argc, const char* const* argv);

/// Flushes standard output: 0, or 1 after a message "veltrane COMMAND: cannot write the
/// output: REASON" when the output could not be written (a full disk, a closed pipe).
int FlushOutput(const std::string& command);

/// "--a, --b, --c": the long names of a command's options, for error messages.
std::string OptionList(const CLI::App& command);

}  // namespace veltrane::tools
