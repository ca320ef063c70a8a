// The animate switch ("Auto Key") and its suspend/resume stack, as control.h declares them.
#include <control.h>

#include <vector>

namespace {
// Touched only on the host's main thread, like the host's own mode.
bool animating = false;
std::vector<bool>& Suspended() {
    static std::vector<bool> stack;
    return stack;
}
}  // namespace

int Animating() {
    return animating ? 1 : 0;
}
void AnimateOn() {
    animating = true;
}
void AnimateOff() {
    animating = false;
}

void SuspendAnimate() {
    Suspended().push_back(animating);
    animating = false;
}

// An unmatched resume leaves the mode as it is.
void ResumeAnimate() {
    if (Suspended().empty()) return;
    animating = Suspended().back();
    Suspended().pop_back();
}
