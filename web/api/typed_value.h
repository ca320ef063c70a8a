// A value typed into one of the rollout's spinner edit fields: what the field makes of it.
#pragma once

#include <optional>
#include <string>

namespace veltrane::web {

/// A float parameter's range and default as the plug-in declares them.
struct ParamRange {
    const char* name;  // "gamma", "hue", "sat", "n", "k"
    double low, high;
    double step;  // one spinner click
};

/// The parameter named, or nullptr.
const ParamRange* FindParamRange(const std::string& name);

/// The parameters in the rollout's order: n, k, gamma, hue, sat.
const ParamRange* ParamRanges(std::size_t& count);

/// What an edit field does with typed text: a number (the C locale's notation, blanks
/// around it allowed) is clamped into the range and stored as a float; anything else is
/// refused and the field keeps its value.
struct TypedValue {
    float value = 0.0f;
    std::string shown;  // the text the field then shows
};
std::optional<TypedValue> TypeIntoField(const ParamRange& range, const std::string& text);

/// The text a float spinner shows for value: three decimals, trailing zeros dropped down to
/// one decimal ("1.0", "0.271"), never "-0.0".
std::string SpinnerText(float value);

}  // namespace veltrane::web
