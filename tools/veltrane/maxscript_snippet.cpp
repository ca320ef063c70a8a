// The listener script that sets a map to typed n and k values.
#include "tools/veltrane/maxscript_snippet.h"

#include "tools/veltrane/number_text.h"

namespace veltrane::tools {
namespace {

// The parameter block's internal names of the n and k parameters, red to blue.
constexpr const char* kNParamNames[3] = {"nrvalue", "ngvalue", "nbvalue"};
constexpr const char* kKParamNames[3] = {"krvalue", "kgvalue", "kbvalue"};

}  // namespace

std::string MaxScriptSnippet(const ComplexIOR& ior) {
    std::string script =
        "-- MAXScript: the map in the active material editor slot becomes Custom with these "
        "values\n"
        "m = medit.GetCurMtl()\n"
        "if classOf m == Veltrane then (\n"
        "    m.preset = 0\n";
    for (std::size_t c = 0; c < 3; ++c) {
        script += std::string("    m.") + kNParamNames[c] + " = " + ShortestText(ior.n(c)) + "\n";
    }
    for (std::size_t c = 0; c < 3; ++c) {
        script += std::string("    m.") + kKParamNames[c] + " = " + ShortestText(ior.k(c)) + "\n";
    }
    script += ") else messageBox \"Select a Veltrane map in the material editor first.\"\n";
    return script;
}

}  // namespace veltrane::tools
