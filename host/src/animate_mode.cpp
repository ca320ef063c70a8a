#include <standin/animate_mode.h>

namespace standin {

namespace {
// Touched only on the host's main thread, like the host's own mode.
bool animateMode = false;
}  // namespace

void SetAnimateMode(bool on) { animateMode = on; }
bool IsAnimateMode() { return animateMode; }

}  // namespace standin
