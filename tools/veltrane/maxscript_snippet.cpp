#include "tools/veltrane/maxscript_snippet.h"

#include <charconv>

#include "core/param_store.h"

namespace veltrane::tools {
namespace {

// The parameter block's internal names of the n/k parameters, in kIorParamFields order.
constexpr const char* kIorParamNames[6] = {"nrvalue", "ngvalue", "nbvalue",
                                           "krvalue", "kgvalue", "kbvalue"};

}  // namespace

std::string ShortestDecimal(float value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return std::to_string(value);
    return std::string(text, result.ptr);
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
