// Animate mode on for a scope, through the host's own switch: the previous mode is saved by
// SuspendAnimate and comes back with ResumeAnimate.
#pragma once

#include <control.h>

class AnimateScope {
  public:
    AnimateScope() {
        SuspendAnimate();
        AnimateOn();
    }
    ~AnimateScope() { ResumeAnimate(); }
    AnimateScope(const AnimateScope&) = delete;
    AnimateScope& operator=(const AnimateScope&) = delete;
};
