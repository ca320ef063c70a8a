// A replacement of the global operator new that counts calls, for tests that prove a code
// path allocates nothing. Link counting_allocator.cpp into the test executable.
#pragma once

namespace veltrane {

/// Calls of the global operator new so far, in every thread.
long AllocationCount();

}  // namespace veltrane
