// Float parsing on std::from_chars, which rounds correctly and allocates nothing.
#include "tools/veltrane/number_parsing.h"

#include <charconv>
#include <cstdlib>
#include <string>
#include <system_error>

namespace veltrane::tools {

std::optional<float> ParseFloat(std::string_view text) {
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes '-' but not '+'; a '+' may not be followed by another sign.
    if (first != last && *first == '+') {
        ++first;
        if (first != last && (*first == '-' || *first == '+')) return std::nullopt;
    }
    float value = 0.0f;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (end != last || first == last) return std::nullopt;
    if (ec == std::errc()) return value;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here; strtof rounds to infinity or to zero.
        const std::string copy(first, last);
        return std::strtof(copy.c_str(), nullptr);
    }
    return std::nullopt;
}

std::optional<std::array<float, 3>> ParseTriple(std::string_view text) {
    std::array<float, 3> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = text.find(',');
        const bool last = i + 1 == values.size();
        if (last != (comma == std::string_view::npos)) return std::nullopt;
        const auto value = ParseFloat(text.substr(0, comma));
        if (!value) return std::nullopt;
        values[i] = *value;
        if (!last) text.remove_prefix(comma + 1);
    }
    return values;
}

}  // namespace veltrane::tools
