// Measured n and k from a file of the refractive-index database (YAML): the parse, kept
// apart from reading the file. The blocks' checks are nk_table.h.
#pragma once

#include <string_view>

#include "tools/metals/nk_table.h"

namespace veltrane::tools {

/// Parses the text of a database file: reads its structure (the DATA list and each entry's
/// type and data) and builds the table with TableFromBlocks. Text that is not YAML is
/// refused with a message naming fileName and the place. Never throws.
NkParse ParseNkFile(std::string_view text, std::string_view fileName);

}  // namespace veltrane::tools
