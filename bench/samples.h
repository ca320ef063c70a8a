// The benchmark's shading samples, shared by every benchmark so that their times compare.
#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/presets.h"
#include "core/types.h"

namespace veltrane::bench {

constexpr int kSamples = 4096;

struct Sample {
    Point3 n;
    Point3 v;
    float mu;
    const ComplexIOR* ior;
};

// Facing values as the pixels of a sphere see them: the projected area makes mu = |N.V|
// distributed with density 2 mu, so mu = sqrt(u). Presets rotate from sample to sample.
inline const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = [] {
        std::mt19937 rng(42);
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        std::vector<Sample> s;
        for (int i = 0; i < kSamples; ++i) {
            const float mu = std::sqrt(unit(rng));
            const float side = std::sqrt(1.0f - mu * mu);
            const float phi = 6.2831853f * unit(rng);
            const Point3 v = {side * std::cos(phi), side * std::sin(phi), -mu};
            const auto& preset =
                kMetalPresets[static_cast<std::size_t>(i) * kMetalPresets.size() / kSamples];
            s.push_back({{0.0f, 0.0f, 1.0f}, v, mu, &preset.ior});
        }
        return s;
    }();
    return samples;
}

// The colour settings the evaluations are timed at: neutral leaves the reflectance as it
// is; adjusted goes through every colour stage.
struct ColourSettings {
    float hue, sat, gamma;
};
constexpr ColourSettings kNeutral = {0.0f, 0.0f, 1.0f};
constexpr ColourSettings kAdjusted = {20.0f, 10.0f, 2.2f};

inline void SetPerSample(benchmark::State& state) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSamples);
}

}  // namespace veltrane::bench
