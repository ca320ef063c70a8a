// JSON numbers from printed decimals, read back with from_chars (no locale).
#include "tools/veltrane/json_numbers.h"

#include <charconv>

namespace veltrane::tools {

nlohmann::ordered_json JsonNumbers(const std::array<std::string, 3>& decimals) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const std::string& d : decimals) {
        double value = 0.0;
        std::from_chars(d.data(), d.data() + d.size(), value);
        list.push_back(value);
    }
    return list;
}

}  // namespace veltrane::tools
