// The report of one evaluation, as `veltrane eval` prints it.
#include "tools/veltrane/eval_report.h"

#include <cstdio>

#include "tools/veltrane/number_text.h"

namespace veltrane::tools {

void PrintEvalReport(const std::string& material, const SampleInput& s,
                     const std::optional<float>& angle, const AColor& c) {
    const float mono = Mono(c);
    std::printf("material  %s\n", material.c_str());
    // The inputs as typed (the shortest text of each float); the derived mu to six digits.
    std::printf("n         %s %s %s\n", ShortestText(s.ior.nR).c_str(),
                ShortestText(s.ior.nG).c_str(), ShortestText(s.ior.nB).c_str());
    std::printf("k         %s %s %s\n", ShortestText(s.ior.kR).c_str(),
                ShortestText(s.ior.kG).c_str(), ShortestText(s.ior.kB).c_str());
    if (angle) {
        std::printf("view      %s degrees from the normal (mu %.6g)\n",
                    ShortestText(*angle).c_str(), double{s.mu});
    } else {
        std::printf("view      mu %s\n", ShortestText(s.mu).c_str());
    }
    std::printf("adjust    hue %s, sat %s, gamma %s\n", ShortestText(s.hue).c_str(),
                ShortestText(s.sat).c_str(), ShortestText(s.gamma).c_str());
    std::printf("colour    %.6f %.6f %.6f (alpha %.6g)\n", double{c.r}, double{c.g}, double{c.b},
                double{c.a});
    std::printf("mono      %.6f\n", double{mono});
}

}  // namespace veltrane::tools
