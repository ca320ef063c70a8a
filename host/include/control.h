// Stand-in: the animate switch ("Auto Key"). While it is on, writing an animatable parameter
// at a time records a key there instead of changing its constant value.
#pragma once

#include "standin/exports.h"

// Non-zero while animate mode is on.
CoreExport int Animating();
CoreExport void AnimateOn();
CoreExport void AnimateOff();
// Saves the current mode on a stack and turns animating off; ResumeAnimate restores the mode
// saved last.
CoreExport void SuspendAnimate();
CoreExport void ResumeAnimate();
