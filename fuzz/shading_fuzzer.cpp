// The shading core with arbitrary float bit patterns (NaN, infinities, denormals, huge
// values) for the normal, the view, the nine parameters and a colour to adjust. Beyond
// surviving, the results must hold these properties:
//   - with finite vectors and every parameter finite and in its range, each component of the
//     reflectance lies in [0, 1];
//   - so does the adjustment of a colour in [0, 1] with parameters in range;
//   - the reflectance's alpha is 1, and AdjustColor passes an alpha in [0, 1] through;
//   - evaluating again gives the same bits (the path keeps no state).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/color_adjust.h"
#include "core/evaluation.h"
#include "fuzz/fuzz_check.h"

namespace {

struct Input {
    float n[3], v[3];
    float ior[6];
    float hue, sat, gamma;
    float colour[4];
};

bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameBits(const veltrane::AColor& a, const veltrane::AColor& b) {
    return SameBits(a.r, b.r) && SameBits(a.g, b.g) && SameBits(a.b, b.b) && SameBits(a.a, b.a);
}

bool Within(float x, float low, float high) {
    return x >= low && x <= high;
}

bool InRange(const veltrane::AColor& c) {
    return Within(c.r, 0, 1) && Within(c.g, 0, 1) && Within(c.b, 0, 1) && Within(c.a, 0, 1);
}

bool AllFinite(const float* values, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(values[i])) return false;
    }
    return true;
}

// The ranges the parameter block allows: n and k 0 to 100, hue -180 to 180, sat -100 to
// 100, gamma 0.05 to 20.
bool ParametersInRange(const Input& in) {
    for (float x : in.ior) {
        if (!Within(x, 0, 100)) return false;
    }
    return Within(in.hue, -180, 180) && Within(in.sat, -100, 100) && Within(in.gamma, 0.05f, 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{};
    std::memcpy(&in, data, size < sizeof in ? size : sizeof in);

    veltrane::ParamSnapshot params;
    params.ior = {in.ior[0], in.ior[1], in.ior[2], in.ior[3], in.ior[4], in.ior[5]};
    params.hue = in.hue;
    params.sat = in.sat;
    params.gamma = in.gamma;
    const veltrane::Point3 n{in.n[0], in.n[1], in.n[2]};
    const veltrane::Point3 v{in.v[0], in.v[1], in.v[2]};

    const veltrane::AColor first = veltrane::EvalReflectance(n, v, params);
    FUZZ_CHECK(SameBits(veltrane::EvalReflectance(n, v, params), first));
    FUZZ_CHECK(SameBits(first.a, 1.0f));
    if (AllFinite(in.n, 3) && AllFinite(in.v, 3) && ParametersInRange(in)) {
        FUZZ_CHECK(InRange(first));
    }

    const veltrane::AColor colour{in.colour[0], in.colour[1], in.colour[2], in.colour[3]};
    const veltrane::AColor adjusted = veltrane::AdjustColor(colour, in.hue, in.sat, in.gamma);
    FUZZ_CHECK(SameBits(veltrane::AdjustColor(colour, in.hue, in.sat, in.gamma), adjusted));
    if (Within(colour.a, 0, 1)) FUZZ_CHECK(SameBits(adjusted.a, colour.a));
    if (InRange(colour) && ParametersInRange(in)) FUZZ_CHECK(InRange(adjusted));
    return 0;
}
