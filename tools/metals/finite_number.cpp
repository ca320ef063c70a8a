// strtod on a copy of the field, with the forms it takes beyond plain decimals refused first,
// so that every build (WebAssembly's C++ library has no floating-point from_chars) accepts
// the same texts.
#include "tools/metals/finite_number.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace veltrane::tools {
namespace {

// Digits, one point, an exponent and their signs: what a plain decimal is made of.
bool PlainDecimalCharacters(std::string_view field) {
    for (char c : field) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E') return false;
    }
    return true;
}

}  // namespace

std::optional<double> FiniteNumber(std::string_view field) {
    if (field.empty() || field.front() == '+' || !PlainDecimalCharacters(field)) {
        return std::nullopt;
    }
    const std::string text(field);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    // A value too small for even a subnormal double underflows to zero: refused. strtod also
    // flags a subnormal result, which is kept, as the value is there.
    if (errno == ERANGE && value == 0.0) return std::nullopt;
    return value;
}

}  // namespace veltrane::tools
