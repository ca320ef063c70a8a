// A shading sample allocates nothing: every global operator new of this executable counts.
#include <gtest/gtest.h>

#include <new>

#include "core/evaluation.h"
#include "core/presets.h"
#include "tests/core/counting_allocator.h"

namespace veltrane {
namespace {

TEST(EvalReflectance, AllocatesNothing) {
    ParamSnapshot p;
    p.hue = 20.0f;
    p.sat = 10.0f;
    p.gamma = 2.2f;
    float sum = 0.0f;
    const long before = AllocationCount();
    for (const MetalPreset& preset : kMetalPresets) {
        p.ior = preset.ior;
        for (int i = 0; i <= 100; ++i) {
            const float mu = static_cast<float>(i) / 100.0f;
            const AColor c = EvalReflectance({0, 0, 1}, {0, 0, -mu}, p);
            sum += c.r + c.g + c.b;
        }
    }
    const long after = AllocationCount();
    EXPECT_EQ(after - before, 0);
    EXPECT_GT(sum, 0.0f);
    // The counter itself works.
    void* volatile probe = ::operator new(16);
    ::operator delete(probe);
    EXPECT_EQ(AllocationCount() - after, 1);
}

}  // namespace
}  // namespace veltrane
