// The workbench page's requests: one JSON object in, one JSON object out.
#pragma once

#include <string>

namespace veltrane::web {

/// Answers a request {"op": ...} (web/api/CONTRACT.md lists the operations). Every fault,
/// a malformed request included, is an answer {"error": "one line"}; nothing is thrown.
std::string Answer(const std::string& requestJson);

}  // namespace veltrane::web
