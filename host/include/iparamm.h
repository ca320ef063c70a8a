// Stand-in: parameter maps of the older parameter blocks; here only the spinner scale that
// asks the spinner to choose its own step.
#pragma once

#define SPIN_AUTOSCALE -1.0f
