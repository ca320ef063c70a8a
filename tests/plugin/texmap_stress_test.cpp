// Render-thread stress: eight threads evaluate shared maps while the main thread keeps
// changing and updating other maps of the same class (their blocks notify, the class
// descriptor redraws, presets write six values). Every colour must equal the one thread's
// colour bit for bit, and ThreadSanitizer must find nothing shared touched unsafely.
#include <atomic>
#include <thread>

#include <standin/simple_shade_context.h>

#include "tests/plugin/texmap_fixture.h"

namespace texmap_test {
namespace {

using TexmapStress = TexmapTest;

#if defined(__SANITIZE_THREAD__)
#define VELTRANE_UNDER_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VELTRANE_UNDER_TSAN 1
#endif
#endif

constexpr int kThreads = 8;
#ifdef VELTRANE_UNDER_TSAN
// ThreadSanitizer runs this path some twenty times slower; the interleavings it checks
// do not need a million samples per thread.
constexpr int kSamplesPerThread = 100'000;
#else
constexpr int kSamplesPerThread = 1'000'000;
#endif
constexpr int kViews = 251;  // prime, so that map and view indices do not pair up

Point3 ViewOf(int i) {
    const float t = static_cast<float>(i) / kViews;
    return Point3(0.4f * t - 0.2f, 1.0f - t, -t);
}

TEST_F(TexmapStress, EightRenderThreadsAgreeWithOneWhileOtherMapsChange) {
    const Params shared[] = {Metal(3, 2.2f, 20.0f, 10.0f),
                             Custom({0.3f, 1.7f, 2.9f, 4.1f, 0.05f, 9.5f}, 0.6f, -120.0f, 70.0f),
                             Metal(9)};
    std::vector<MapPtr> maps;
    for (const Params& p : shared) {
        maps.push_back(NewMap());
        WriteParams(Block(*maps.back()), 0, p);
        UpdateAt(*maps.back(), 0);
    }
    std::vector<MapPtr> others;
    for (int i = 0; i < 3; ++i) others.push_back(NewMap());

    const Point3 n(0.0f, 0.6f, 0.8f);
    std::vector<AColor> expected;  // [map * kViews + view], as one thread computes them
    for (const MapPtr& map : maps) {
        for (int v = 0; v < kViews; ++v) expected.push_back(EvalColorAt(*map, n, ViewOf(v)));
    }

    std::atomic<int> running{kThreads};
    std::vector<long> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            long& bad = mismatches[static_cast<std::size_t>(t)];
            standin::SimpleShadeContext sc(n, ViewOf(0));
            for (int i = 0; i < kSamplesPerThread; ++i) {
                const int m = (i + t) % 3;
                const int v = i % kViews;
                sc.SetView(ViewOf(v));
                const AColor c = maps[static_cast<std::size_t>(m)]->EvalColor(sc);
                if (!SameBits(c, expected[static_cast<std::size_t>(m * kViews + v)])) ++bad;
            }
            running.fetch_sub(1);
        });
    }

    // The main thread edits the other maps as a user or script would, and updates them as
    // the host does before the next frame.
    long edits = 0;
    while (running.load() > 0) {
        for (MapPtr& other : others) {
            IParamBlock2& block = Block(*other);
            const auto step = static_cast<float>(edits % 97);
            block.SetValue(kPreset, 0, static_cast<int>(edits % 10));
            block.SetValue(kGamma, 0, 0.5f + step * 0.1f);
            block.SetValue(kHue, 0, step - 48.0f);
            UpdateAt(*other, static_cast<TimeValue>(edits % 200));
            ++edits;
        }
    }
    for (std::thread& thread : threads) thread.join();

    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(mismatches[static_cast<std::size_t>(t)], 0) << "thread " << t;
    }
    EXPECT_GT(edits, 0);
    std::printf("%d threads x %d samples, %ld edits of other maps meanwhile\n", kThreads,
                kSamplesPerThread, edits);
}

}  // namespace
}  // namespace texmap_test
