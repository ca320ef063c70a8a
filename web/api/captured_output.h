// What report code writes to standard output and standard error, caught as text: the
// workbench shows the command's own report, printed by the command's own functions.
#pragma once

#include <string>

namespace veltrane::web {

/// Redirects descriptors 1 and 2 to files of the module's in-memory file system while it
/// lives. Not nestable; the module is single-threaded.
class CapturedOutput {
  public:
    CapturedOutput();
    ~CapturedOutput();
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    /// Everything written to standard output so far.
    std::string Out();
    /// Everything written to standard error so far.
    std::string Err();

  private:
    int savedOut, savedErr;
};

}  // namespace veltrane::web
