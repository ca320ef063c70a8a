// The preview's render on several threads: every pixel of every tile rendered once, where
// the sphere is, and the same tiles on any number of threads.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/presets.h"
#include "tools/veltrane/plugin_evaluator.h"
#include "tools/veltrane/preview_render.h"
#include "tools/veltrane/sample_slot.h"

namespace veltrane::tools {
namespace {

// Three metals, so that the work spans several tiles.
class ThreeMaps {
  public:
    ThreeMaps() {
        for (const int preset : {1, 3, 10}) {
            std::string error;
            owned_.push_back(PluginTexmap::Open(VELTRANE_MODULE, &error));
            if (!owned_.back()) throw std::runtime_error(error);
            owned_.back()->SelectPreset(preset);
            owned_.back()->Update();
            maps.push_back(owned_.back().get());
        }
    }
    std::vector<const PluginTexmap*> maps;

  private:
    std::vector<std::unique_ptr<PluginTexmap>> owned_;
};

TEST(RenderSlots, EveryPixelOnceAndTheSameOnAnyNumberOfThreads) {
    const ThreeMaps three;
    // Sizes whose rows divide evenly into the work handed out, and sizes that leave a short
    // remainder at the bottom of each tile or fit a whole tile into one piece.
    for (const int size : {16, 37, 128, 131}) {
        for (const SlotShading shading : {SlotShading::kMap, SlotShading::kLitMetal}) {
            const SlotPixels one = RenderSlots(three.maps, size, shading, 1);
            ASSERT_EQ(one.tiles.size(), 3u);
            // The sphere's inside is opaque and what lies beyond its outline transparent: a
            // piece of work skipped or put in the wrong place shows as a hole or a stray pixel.
            const SlotGeometry geometry(size);
            for (std::size_t t = 0; t < one.tiles.size(); ++t) {
                ASSERT_EQ(one.tiles[t].size(), static_cast<std::size_t>(size * size));
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const std::uint32_t pixel =
                            one.tiles[t][static_cast<std::size_t>(y * size + x)];
                        const Coverage coverage = geometry.PixelCoverage(x, y);
                        if (coverage == Coverage::kPartial) continue;
                        ASSERT_EQ(pixel >> 24, coverage == Coverage::kFull ? 0xFFu : 0u)
                            << "size " << size << " tile " << t << " x " << x << " y " << y;
                        if (coverage == Coverage::kNone) {
                            ASSERT_EQ(pixel, 0u);
                        }
                    }
                }
            }
            for (const int threads : {2, 3, 7}) {
                const SlotPixels many = RenderSlots(three.maps, size, shading, threads);
                EXPECT_EQ(many.samples, one.samples) << size << ", " << threads << " threads";
                EXPECT_TRUE(many.tiles == one.tiles) << size << ", " << threads << " threads";
            }
        }
    }
}

TEST(RenderSlots, ProgressRisesToOneOnTheCallingThread) {
    const ThreeMaps three;
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<double> reported;
    bool onCaller = true;
    RenderSlots(three.maps, 256, SlotShading::kLitMetal, 2, [&](double done) {
        onCaller = onCaller && std::this_thread::get_id() == caller;
        reported.push_back(done);
    });
    ASSERT_FALSE(reported.empty());
    EXPECT_TRUE(onCaller);
    EXPECT_EQ(reported.back(), 1.0);
    for (std::size_t i = 0; i < reported.size(); ++i) {
        EXPECT_GE(reported[i], i == 0 ? 0.0 : reported[i - 1]) << i;
        EXPECT_LE(reported[i], 1.0) << i;
    }
}

}  // namespace
}  // namespace veltrane::tools
