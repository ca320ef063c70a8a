#include "tools/veltrane/maxscript_snippet.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdlib>

#include "core/param_store.h"

namespace veltrane::tools {
namespace {

// The parameter block's internal names of the n/k parameters, in kIorParamFields order.
constexpr const char* kIorParamNames[6] = {"nrvalue", "ngvalue", "nbvalue",
                                           "krvalue", "kgvalue", "kbvalue"};

// "-1.25e-05" as plain decimals: "-0.0000125", for a value with a fractional part.
std::string WithoutExponent(const std::string& text) {
    const std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    const bool negative = text[0] == '-';
    std::string digits;
    std::size_t point = 0;  // digits before the decimal point
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] == '.') {
            point = digits.size();
        } else {
            digits += text[i];
        }
    }
    if (text.find('.') == std::string::npos) point = digits.size();
    const long shifted = static_cast<long>(point) + std::strtol(text.c_str() + e + 1, nullptr, 10);
    std::string plain;
    if (shifted <= 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-shifted), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(shifted);
        plain = digits.substr(0, whole) + "." + digits.substr(whole);
    }
    return negative ? "-" + plain : plain;
}

}  // namespace

std::string ShortestDecimal(float value) {
    // The shortest digits that read back as value, written without an exponent.
    if (!std::isfinite(value)) return fmt::format("{}", value);
    // A whole number has no shorter form: its digits are written exactly.
    if (value == std::trunc(value)) return fmt::format("{:.0f}", value);
    return WithoutExponent(fmt::format("{}", value));
}

std::string MaxScriptSnippet(const ComplexIOR& ior) {
    std::string script =
        "-- MAXScript: the map in the active material editor slot becomes Custom with these "
        "values\n"
        "m = medit.GetCurMtl()\n"
        "if classOf m == Veltrane then (\n"
        "    m.preset = 0\n";
    for (int i = 0; i < 6; ++i) {
        script += std::string("    m.") + kIorParamNames[i] + " = " +
                  ShortestDecimal(ior.*kIorParamFields[i].field) + "\n";
    }
    script += ") else messageBox \"Select a Veltrane map in the material editor first.\"\n";
    return script;
}

}  // namespace veltrane::tools
