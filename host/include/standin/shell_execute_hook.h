// Stand-in internals: the step of ShellExecuteW that opens an accepted web address in the
// desktop's browser, which tests replace with a recorder so that no browser starts.
#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "exports.h"

namespace standin {

// The arguments of one ShellExecuteW call; a null string argument is nullopt.
struct ShellExecuteCall {
    HWND owner = nullptr;
    std::optional<std::wstring> operation;
    std::wstring file;
    std::optional<std::wstring> parameters;
    std::optional<std::wstring> directory;
    INT showCommand = 0;
};

// What opens an address that ShellExecuteW accepted; its answer is ShellExecuteW's result
// (above 32 for success).
using ShellExecuteHook = std::function<INT_PTR(const ShellExecuteCall&)>;

// Replaces the opening step with `hook` (an empty one restores xdg-open) and returns the
// hook it replaces. ShellExecuteW checks the address before any hook sees it.
STANDIN_EXPORT ShellExecuteHook SetShellExecuteHook(ShellExecuteHook hook);

// Records each call that ShellExecuteW accepts while the recorder lives, answering
// `result`, and opens nothing. Recorders nest; each restores the hook it replaced.
class STANDIN_EXPORT ShellExecuteRecorder {
  public:
    explicit ShellExecuteRecorder(INT_PTR result = 42);
    ~ShellExecuteRecorder();
    ShellExecuteRecorder(const ShellExecuteRecorder&) = delete;
    ShellExecuteRecorder& operator=(const ShellExecuteRecorder&) = delete;

    std::vector<ShellExecuteCall> Calls() const;

  private:
    mutable std::mutex mutex_;
    std::vector<ShellExecuteCall> calls_;
    ShellExecuteHook previous_;
};

}  // namespace standin
