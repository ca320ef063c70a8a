// The pieces of a preview: sRGB pixels, the slot's geometry, the lit metal, whole-or-nothing
// output files and the progress bar's text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <stdexcept>

#include "tools/metals/srgb.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/lit_metal.h"
#include "tools/veltrane/output_file.h"
#include "tools/veltrane/progress_bar.h"
#include "tools/veltrane/sample_slot.h"
#include "tools/veltrane/srgb_pixel.h"

namespace veltrane::tools {
namespace {

namespace fs = std::filesystem;

TEST(SrgbPixel, EncodesClampsAndPremultiplies) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float linear;
        int byte;
    } bytes[] = {{0.0f, 0},         {1.0f, 255}, {0.5f, 188}, {0.0031308f, 10},
                 {0.2158605f, 128}, {-0.5f, 0},  {7.0f, 255}, {nan, 0}};
    for (const auto& c : bytes) EXPECT_EQ(SrgbByte(c.linear), c.byte) << c.linear;
    // Everywhere the nearest code of the transfer function, written out plainly.
    for (int i = 1; i < 100000; ++i) {
        const float x = static_cast<float>(i) / 100000.0f;
        const double e = x <= 0.0031308f ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
        ASSERT_EQ(SrgbByte(x), std::lround(e * 255.0)) << x;
    }

    const struct {
        Color colour;
        float coverage;
        std::uint32_t argb;
    } pixels[] = {
        {{1.0f, 0.5f, 0.0f}, 1.0f, 0xFFFFBC00u},
        {{1.0f, 1.0f, 1.0f}, 0.5f, 0x80808080u},
        {{0.5f, 0.5f, 0.5f}, 0.25f, 0x402F2F2Fu},
        {{0.9f, 0.2f, 0.4f}, 0.0f, 0u},
    };
    for (const auto& p : pixels) EXPECT_EQ(PremultipliedArgb(p.colour, p.coverage), p.argb);
}

TEST(SlotGeometry, SphereSitsOnTheCentrePixelWithAMargin) {
    const struct {
        int size, x, y;
        Coverage coverage;
    } pixels[] = {
        {100, 50, 50, Coverage::kFull},   {100, 0, 0, Coverage::kNone},
        {100, 50, 6, Coverage::kPartial}, {100, 50, 7, Coverage::kFull},
        {100, 50, 5, Coverage::kNone},    {100, 94, 50, Coverage::kPartial},
        {100, 93, 50, Coverage::kFull},   {100, 99, 99, Coverage::kNone},
        {16, 8, 8, Coverage::kFull},      {16, 8, 1, Coverage::kPartial},
        {16, 15, 8, Coverage::kPartial},  {16, 0, 8, Coverage::kNone},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(SlotGeometry(p.size).PixelCoverage(p.x, p.y), p.coverage)
            << p.size << ": " << p.x << ", " << p.y;
    }

    const SlotGeometry slot(100);
    const auto head = slot.NormalAt(50.5, 50.5);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->x, 0.0f);
    EXPECT_EQ(head->y, 0.0f);
    EXPECT_EQ(head->z, 1.0f) << "the centre pixel sees the sphere head-on";
    const auto up = slot.NormalAt(50.5, 20.0);
    ASSERT_TRUE(up);
    EXPECT_GT(up->y, 0.0f) << "image rows grow downwards, the scene's y upwards";
    EXPECT_NEAR(up->x * up->x + up->y * up->y + up->z * up->z, 1.0f, 1e-6f);
    EXPECT_FALSE(slot.NormalAt(50.5, 6.0)) << "outside the outline";
}

TEST(LitMetal, MirrorsFloorHorizonSkyAndKeyLight) {
    const struct {
        Point3 direction;
        float low, high;
    } light[] = {
        {{0.0f, -1.0f, 0.0f}, 0.0f, 0.05f},              // floor straight below: dark
        {{0.0f, 0.0f, 1.0f}, 0.7f, 1.0f},                // horizon: bright
        {{0.0f, 1.0f, 0.0f}, 0.4f, 0.6f},                // zenith: dimmer
        {{-0.551269f, 0.651501f, 0.5212f}, 5.0f, 8.0f},  // into the key light
    };
    for (const auto& l : light) {
        const Color c = StudioEnvironment(l.direction);
        EXPECT_GE(c.r, l.low);
        EXPECT_LE(c.r, l.high);
        EXPECT_TRUE(c.r == c.g && c.g == c.b) << "neutral";
    }
    // Head-on, the view reflects back to the horizon behind the camera.
    const Color head =
        MirrorMetal({0.5f, 0.25f, 1.0f, 1.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, -1.0f});
    const Color horizon = StudioEnvironment({0.0f, 0.0f, 1.0f});
    EXPECT_EQ(head.r, 0.5f * horizon.r);
    EXPECT_EQ(head.g, 0.25f * horizon.g);
    EXPECT_EQ(head.b, 1.0f * horizon.b);
}

TEST(OutputFile, AppearsWholeOnCommitAndNotAtAllOtherwise) {
    const fs::path dir = fs::temp_directory_path() / (std::to_string(::getpid()) + "-output");
    fs::create_directory(dir);
    const std::string path = (dir / "out.png").string();
    {
        OutputFile out("-o", path);
        EXPECT_TRUE(out.Write("abc", 3));
        EXPECT_FALSE(fs::exists(path)) << "nothing under the final name before the commit";
    }
    EXPECT_TRUE(fs::is_empty(dir)) << "an uncommitted file leaves nothing behind";
    {
        OutputFile out("-o", path);
        EXPECT_TRUE(out.Write("abc", 3));
        out.Commit();
    }
    EXPECT_EQ(fs::file_size(path), 3u);
    const auto perms = fs::status(path).permissions();
    EXPECT_NE(perms & fs::perms::others_read, fs::perms::none) << "a new file's permissions";
    EXPECT_THROW(OutputFile("-o", (dir / "missing" / "out.png").string()), UsageError);
    fs::remove_all(dir);
}

TEST(ProgressBar, TextShowsTheFractionDone) {
    const struct {
        double fraction;
        const char* text;
    } bars[] = {
        {0.0, "[----------]   0%"}, {0.25, "[##--------]  25%"}, {0.999, "[#########-]  99%"},
        {1.0, "[##########] 100%"}, {-1.0, "[----------]   0%"}, {3.0, "[##########] 100%"},
    };
    for (const auto& b : bars) EXPECT_EQ(ProgressBarText(b.fraction, 10), b.text) << b.fraction;
}

}  // namespace
}  // namespace veltrane::tools
