// How the stand-in stops where going on would give a wrong answer: a message on stderr and an
// abort, for a host service it does not model and for a material-editor use that would leave
// the host with a broken rollout (a binding to a missing control, a dialog retargeted to
// another class).
#pragma once

#include <string>

namespace standin {

// A host service that nothing running on the stand-in uses, so it is not modelled.
[[noreturn]] void NotModelled(const char* what);
// A use of the material editor that would leave a rollout misbehaving later.
[[noreturn]] void StopEditor(const std::string& why);
// A wide text for such a message: ASCII as it is, anything else as '?'.
std::string Printable(const wchar_t* text);

}  // namespace standin
