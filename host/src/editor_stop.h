// How the material editor stops on a use that would leave the host with a broken rollout
// (a binding to a missing control, a dialog retargeted to another class): a message and
// an abort, rather than a rollout that misbehaves later.
#pragma once

#include <string>

namespace standin {

[[noreturn]] void StopEditor(const std::string& why);
// A wide text for such a message: ASCII as it is, anything else as '?'.
std::string Printable(const wchar_t* text);

}  // namespace standin
