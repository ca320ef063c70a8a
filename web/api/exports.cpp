// The module's C exports: the page's requests, the sample slot, and batches of samples.
#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "core/evaluation.h"
#include "tools/veltrane/sample.h"
#include "web/api/requests.h"
#include "web/api/slot_render.h"

namespace {

constexpr int kMinSlotSize = 1;
constexpr int kMaxSlotSize = 4096;

}  // namespace

extern "C" {

/// One request, one JSON answer; the answer lives until the next call.
EMSCRIPTEN_KEEPALIVE const char* vw_call(const char* requestJson) {
    static std::string answer;
    answer = veltrane::web::Answer(requestJson != nullptr ? requestJson : "");
    return answer.c_str();
}

/// The sample slot, size x size RGBA; 0, or 1 for arguments that draw nothing sensible.
EMSCRIPTEN_KEEPALIVE int vw_render_slot(float nR, float nG, float nB, float kR, float kG, float kB,
                                        float hue, float sat, float gamma, int size, int lit,
                                        int step, unsigned char* rgba) {
    if (rgba == nullptr || size < kMinSlotSize || size > kMaxSlotSize || step < 1) return 1;
    veltrane::ParamSnapshot params;
    params.ior = {nR, nG, nB, kR, kG, kB};
    params.hue = hue;
    params.sat = sat;
    params.gamma = gamma;
    veltrane::web::RenderSlot(
        params, size,
        lit != 0 ? veltrane::tools::SlotShading::kLitMetal : veltrane::tools::SlotShading::kMap,
        step, rgba);
    return 0;
}

/// count samples of ten floats (nR nG nB kR kG kB mu hue sat gamma) to four floats each
/// (r g b a), as the command's batch evaluation computes them; 0, or 1 for bad arguments.
EMSCRIPTEN_KEEPALIVE int vw_eval_batch(const float* in, int count, float* out) {
    if (count < 0 || (count > 0 && (in == nullptr || out == nullptr))) return 1;
    veltrane::tools::CoreEvaluator evaluator;
    for (int i = 0; i < count; ++i) {
        const float* v = in + 10 * static_cast<std::size_t>(i);
        veltrane::tools::SampleInput sample;
        sample.ior = {v[0], v[1], v[2], v[3], v[4], v[5]};
        sample.mu = v[6];
        sample.hue = v[7];
        sample.sat = v[8];
        sample.gamma = v[9];
        const veltrane::AColor c = evaluator.Evaluate(sample);
        float* o = out + 4 * static_cast<std::size_t>(i);
        o[0] = c.r, o[1] = c.g, o[2] = c.b, o[3] = c.a;
    }
    return 0;
}

}  // extern "C"
