// Render threads evaluate one shared snapshot at once; the result must not depend on it.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/evaluation.h"
#include "core/presets.h"
#include "tests/core/core_test_util.h"

namespace veltrane {
namespace {

TEST(EvalReflectance, ThreadsSharingASnapshotGetTheSingleThreadedColours) {
    ParamSnapshot shared;
    shared.ior = FindMetalPreset(3)->ior;  // gold
    shared.hue = 20.0f;
    shared.sat = 10.0f;
    shared.gamma = 2.2f;

    constexpr int kSamples = 2000;
    std::vector<AColor> expected(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        const float mu = static_cast<float>(i) / kSamples;
        expected[static_cast<std::size_t>(i)] = EvalReflectance({0, 0, 1}, {0, 0, -mu}, shared);
    }

    constexpr int kThreads = 4;
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kSamples; ++i) {
                const float mu = static_cast<float>(i) / kSamples;
                const AColor c = EvalReflectance({0, 0, 1}, {0, 0, -mu}, shared);
                if (!SameBits(c, expected[static_cast<std::size_t>(i)]))
                    ++mismatches[static_cast<std::size_t>(t)];
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int m : mismatches) EXPECT_EQ(m, 0);
}

}  // namespace
}  // namespace veltrane
