// Numbers of a JSON report, written as the report's text prints them.
#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <string>

namespace veltrane::tools {

/// The three decimals as JSON numbers: each the double nearest its text, so that the JSON
/// shows 0.27105 or 0.950000's 0.95 rather than a float's binary expansion.
nlohmann::ordered_json JsonNumbers(const std::array<std::string, 3>& decimals);

}  // namespace veltrane::tools
