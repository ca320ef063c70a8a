// Render threads evaluating one map at once, after one Update on the main thread, must get
// exactly what one thread gets (and, under ThreadSanitizer, touch nothing shared unsafely).
#include <thread>

#include <standin/simple_shade_context.h>

#include "tests/plugin/texmap_fixture.h"

namespace texmap_test {
namespace {

using TexmapConcurrency = TexmapTest;

constexpr int kSamples = 1500;
constexpr int kThreads = 4;

Point3 ViewOf(int i) {
    const float mu = static_cast<float>(i) / kSamples;
    return Point3(0.3f * mu, 1.0f - mu, -mu);
}

TEST_F(TexmapConcurrency, ThreadsEvaluatingOneMapGetTheSingleThreadedResults) {
    MapPtr map = NewMap();
    WriteParams(Block(*map), 0, Metal(3, 2.2f, 20.0f, 10.0f));
    OutputOf(*map)->SetOutputLevel(0, 0.8f);
    map->gbufID = 4;
    UpdateAt(*map, 0);

    const Point3 n(0.0f, 0.6f, 0.8f);
    std::vector<AColor> colours(kSamples);
    std::vector<float> monos(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        standin::SimpleShadeContext sc(n, ViewOf(i));
        colours[static_cast<std::size_t>(i)] = map->EvalColor(sc);
        monos[static_cast<std::size_t>(i)] = map->EvalMono(sc);
    }

    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            int& bad = mismatches[static_cast<std::size_t>(t)];
            for (int i = 0; i < kSamples; ++i) {
                const auto k = static_cast<std::size_t>(i);
                standin::SimpleShadeContext sc(n, ViewOf(i));
                if (!SameBits(map->EvalColor(sc), colours[k])) ++bad;
                if (Bits(map->EvalMono(sc)) != Bits(monos[k])) ++bad;
                const Point3 p = map->EvalNormalPerturb(sc);
                if (p.x != 0.0f || p.y != 0.0f || p.z != 0.0f) ++bad;
                if (sc.GBufferIDCalls() != 3) ++bad;  // one each: colour, mono, perturb
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(mismatches[static_cast<std::size_t>(t)], 0) << t;
}

}  // namespace
}  // namespace texmap_test
