// Decimal numbers of the data files: the text of one field to a finite double.
#pragma once

#include <optional>
#include <string_view>

namespace veltrane::tools {

/// The finite double that the whole field spells, in the plain decimal or exponent form
/// ("-1.5", "2e-3", "7."). Refused: an empty field, a sign '+', leading blanks, hexadecimal,
/// infinities and NaN, and values beyond double's range (also those that underflow to 0).
/// Independent of the locale's decimal point only as long as the program keeps the "C" locale, as
/// ours do.
std::optional<double> FiniteNumber(std::string_view field);

}  // namespace veltrane::tools
