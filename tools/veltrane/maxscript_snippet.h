// The MAXScript lines that give a texture map of this class a custom index.
#pragma once

#include <string>

#include "core/complex_ior.h"

namespace veltrane::tools {

/// Script for the host's listener: if the active material editor slot holds a map of
/// this class, sets its "preset" to Custom (0), then the six n/k parameters by their
/// internal names to ior, each written as the shortest text of its float.
std::string MaxScriptSnippet(const ComplexIOR& ior);

}  // namespace veltrane::tools
