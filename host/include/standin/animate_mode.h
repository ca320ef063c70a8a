// Stand-in: the host's animate mode ("Auto Key"), under which writing an animatable
// parameter at a time records a key there instead of changing its constant value.
#pragma once

#include "exports.h"

namespace standin {

STANDIN_EXPORT void SetAnimateMode(bool on);
STANDIN_EXPORT bool IsAnimateMode();

// Sets animate mode for a scope and restores the previous mode when it ends.
class AnimateModeScope {
public:
    explicit AnimateModeScope(bool on = true) : previous_(IsAnimateMode()) { SetAnimateMode(on); }
    ~AnimateModeScope() { SetAnimateMode(previous_); }
    AnimateModeScope(const AnimateModeScope&) = delete;
    AnimateModeScope& operator=(const AnimateModeScope&) = delete;

private:
    bool previous_;
};

}  // namespace standin
