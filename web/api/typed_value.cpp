// The edit field's rules: stream parsing in the classic locale, clamping in double, three
// decimals shown.
#include "web/api/typed_value.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace veltrane::web {
namespace {

// The plug-in's declared ranges and spinner steps.
constexpr ParamRange kRanges[] = {
    {"n", 0.0, 100.0, 0.001},    {"k", 0.0, 100.0, 0.001},    {"gamma", 0.05, 20.0, 0.01},
    {"hue", -180.0, 180.0, 0.1}, {"sat", -100.0, 100.0, 0.1},
};

std::optional<double> ParseNumber(const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;
    if (in.fail() || !std::isfinite(value)) return std::nullopt;
    in >> std::ws;
    if (!in.eof()) return std::nullopt;
    return value;
}

}  // namespace

const ParamRange* FindParamRange(const std::string& name) {
    for (const ParamRange& range : kRanges) {
        if (name == range.name) return &range;
    }
    return nullptr;
}

const ParamRange* ParamRanges(std::size_t& count) {
    count = std::size(kRanges);
    return kRanges;
}

std::optional<TypedValue> TypeIntoField(const ParamRange& range, const std::string& text) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) return std::nullopt;
    const float value = static_cast<float>(std::clamp(*number, range.low, range.high));
    return TypedValue{value, SpinnerText(value)};
}

std::string SpinnerText(float value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(3) << value;
    std::string text = out.str();
    while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    return text == "-0.0" ? "0.0" : text;
}

}  // namespace veltrane::web
