// The report of one evaluation, as `veltrane eval` prints it.
#include "tools/veltrane/eval_report.h"

#include <cstdio>

namespace veltrane::tools {

void PrintEvalReport(const std::string& material, const SampleInput& s,
                     const std::optional<float>& angle, const AColor& c) {
    const float mono = Mono(c);
    std::printf("material  %s\n", material.c_str());
    std::printf("n         %.6g %.6g %.6g\n", double{s.ior.nR}, double{s.ior.nG}, double{s.ior.nB});
    std::printf("k         %.6g %.6g %.6g\n", double{s.ior.kR}, double{s.ior.kG}, double{s.ior.kB});
    if (angle) {
        std::printf("view      %.6g degrees from the normal (mu %.6g)\n", double{*angle},
                    double{s.mu});
    } else {
        std::printf("view      mu %.6g\n", double{s.mu});
    }
    std::printf("adjust    hue %.6g, sat %.6g, gamma %.6g\n", double{s.hue}, double{s.sat},
                double{s.gamma});
    std::printf("colour    %.6f %.6f %.6f (alpha %.6g)\n", double{c.r}, double{c.g}, double{c.b},
                double{c.a});
    std::printf("mono      %.6f\n", double{mono});
}

}  // namespace veltrane::tools
