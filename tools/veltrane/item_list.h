// Comma-separated lists of names for messages and help.
#pragma once

#include <string>
#include <string_view>

namespace veltrane::tools {

/// Appends item to list, after ", " unless list is still empty.
inline void AppendItem(std::string& list, std::string_view item) {
    if (!list.empty()) list += ", ";
    list += item;
}

}  // namespace veltrane::tools
