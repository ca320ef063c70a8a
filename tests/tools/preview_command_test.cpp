// The built command's previews, read back with cairo: size, the sphere's centre and rim,
// usage errors that leave no file, and renders that do not depend on the thread count.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/evaluation.h"
#include "core/presets.h"
#include "tests/support/scratch_folder.h"
#include "tests/tools/tool_runner.h"
#include "tools/metals/srgb.h"
#include "tools/veltrane/srgb_pixel.h"

namespace veltrane::tools {
namespace {

namespace fs = std::filesystem;

// A folder of its own per test, removed with everything in it.
struct Rgb {
    int r, g, b;
};

bool operator==(const Rgb& a, const Rgb& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

int Min(const Rgb& c) {
    return std::min({c.r, c.g, c.b});
}

int Max(const Rgb& c) {
    return std::max({c.r, c.g, c.b});
}

// A PNG file decoded by cairo; width 0 if it is no PNG.
class Picture {
  public:
    explicit Picture(const std::string& path) {
        cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
        if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
            width = cairo_image_surface_get_width(surface);
            height = cairo_image_surface_get_height(surface);
            stride = cairo_image_surface_get_stride(surface);
            const unsigned char* data = cairo_image_surface_get_data(surface);
            bytes.assign(data, data + stride * height);
        }
        cairo_surface_destroy(surface);
    }

    Rgb At(int x, int y) const {
        std::uint32_t word;
        std::memcpy(&word, bytes.data() + y * stride + 4 * x, sizeof word);
        return {static_cast<int>(word >> 16 & 255), static_cast<int>(word >> 8 & 255),
                static_cast<int>(word & 255)};
    }

    int width = 0, height = 0;

  private:
    int stride = 0;
    std::vector<unsigned char> bytes;
};

Rgb CoreHeadOnSrgb(const ParamSnapshot& params) {
    const AColor c = EvalReflectance({0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, -1.0f}, params);
    return {SrgbByte(c.r), SrgbByte(c.g), SrgbByte(c.b)};
}

ParamSnapshot PresetParams(int index) {
    ParamSnapshot p;
    p.ior = FindMetalPreset(index)->ior;
    return p;
}

ParamSnapshot CustomParams() {
    ParamSnapshot p;
    p.ior = {0.2f, 0.9f, 1.1f, 3.9f, 2.4f, 2.2f};
    p.hue = 20.0f;
    p.sat = 10.0f;
    p.gamma = 2.2f;
    return p;
}

struct SlotRun {
    Picture picture;
    ToolRun run;
};

SlotRun RenderSlot(const std::string& file, int size, const std::vector<std::string>& options) {
    std::vector<std::string> args = {"preview", "--size", std::to_string(size), "-o", file};
    args.insert(args.end(), options.begin(), options.end());
    ToolRun run = RunTool(args);
    return {Picture(file), run};
}

TEST(PreviewCommand, SphereCentreIsTheHeadOnColour) {
    struct Case {
        std::vector<std::string> options;
        int size;
        ParamSnapshot params;
    };
    const Case cases[] = {
        {{"--preset", "copper"}, 48, PresetParams(6)},
        {{"--preset", "Gold"}, 49, PresetParams(3)},
        {{"--preset", "iron"}, 16, PresetParams(7)},
        {{}, 40, PresetParams(kPresetDefault)},
        {{"--n", "0.2,0.9,1.1", "--k", "3.9,2.4,2.2", "--hue", "20", "--sat", "10", "--gamma",
          "2.2"},
         48,
         CustomParams()},
    };
    const ScratchFolder folder("preview-centre");
    for (const Case& c : cases) {
        const SlotRun slot = RenderSlot(folder.File("slot.png"), c.size, c.options);
        ASSERT_EQ(slot.run.status, 0) << slot.run.err;
        EXPECT_EQ(slot.run.out + slot.run.err, "");
        ASSERT_EQ(slot.picture.width, c.size) << "a PNG of the requested size";
        ASSERT_EQ(slot.picture.height, c.size);
        EXPECT_EQ(slot.picture.At(c.size / 2, c.size / 2), CoreHeadOnSrgb(c.params)) << c.size;
    }
}

TEST(PreviewCommand, RimApproachesWhite) {
    // The last pixels wholly on the sphere (radius 0.44 size) left, right, above and below
    // the centre see it at about 84 degrees from head-on, where a metal reflects more of the
    // light and less of its own colour: lighter and greyer than the centre. (Chromium and
    // aluminium are left out: their reflectance first dips a little and rises only nearer
    // the edge.)
    constexpr int kSize = 400;
    constexpr int kMid = kSize / 2, kReach = 175;
    const ScratchFolder folder("preview-rim");
    for (const char* preset : {"copper", "gold", "iron", "titanium"}) {
        const SlotRun slot = RenderSlot(folder.File("slot.png"), kSize, {"--preset", preset});
        ASSERT_EQ(slot.picture.width, kSize) << slot.run.err;
        const Rgb centre = slot.picture.At(kMid, kMid);
        for (const Rgb rim :
             {slot.picture.At(kMid - kReach, kMid), slot.picture.At(kMid + kReach, kMid),
              slot.picture.At(kMid, kMid - kReach), slot.picture.At(kMid, kMid + kReach)}) {
            EXPECT_GE(Min(rim), Min(centre) + 10)
                << preset << ": rim " << rim << ", centre " << centre;
            EXPECT_LE(Max(rim) - Min(rim), Max(centre) - Min(centre))
                << preset << ": rim " << rim << ", centre " << centre;
        }
    }
}

TEST(PreviewCommand, AllPresetsMakeALabelledGridOfTen) {
    const ScratchFolder folder("preview-all");
    for (const char* shading : {"", "--lit"}) {
        std::vector<std::string> args = {
            "preview", "--preset", "all", "--size", "32", "-o", folder.File("all.png")};
        if (*shading) args.push_back(shading);
        const ToolRun run = RunTool(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const Picture picture(folder.File("all.png"));
        EXPECT_EQ(picture.width, 5 * 32);
        EXPECT_EQ(picture.height, 2 * (32 + 14)) << "two rows of slots over 14-pixel labels";
    }
}

TEST(PreviewCommand, MoreRenderThreadsGiveTheSamePicture) {
    const ScratchFolder folder("preview-threads");
    const auto render = [&folder](const std::string& threads, const char* shading) {
        const std::string file = folder.File("t" + threads + ".png");
        std::vector<std::string> args = {"preview",   "--preset", "all", "--size", "48",
                                         "--threads", threads,    "-o",  file};
        if (*shading) args.push_back(shading);
        EXPECT_EQ(RunTool(args).status, 0);
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    for (const char* shading : {"", "--lit"}) {
        const std::string one = render("1", shading);
        ASSERT_GT(one.size(), 1000u);
        EXPECT_TRUE(render("2", shading) == one) << shading;
        EXPECT_TRUE(render("5", shading) == one) << shading;
    }
}

TEST(PreviewCommand, BadInputExitsWithStatus2AndLeavesNoFile) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"--size", "8"}, "--size: '8' is out of range (valid: 16 to 1024)"},
        {{"--size", "1e3"}, "--size: '1e3' is not a whole number (valid: 16 to 1024)"},
        {{"--threads", "0"}, "--threads: '0' is out of range (valid: 1 to 256)"},
        {{"--threads", "99999999999"},
         "--threads: '99999999999' is out of range (valid: 1 to 256)"},
        {{"--preset", "brass"},
         "unknown preset 'brass' (valid presets: silver, aluminium, aluminum, gold, cobalt, "
         "chromium, copper, iron, nickel, platinum, titanium, brass-cu70zn30, brass-cu85zn15, "
         "tungsten, palladium, mercury, lead, stainless-steel, rhodium, iridium, beryllium, "
         "molybdenum, bismuth, or all)"},
        {{"--gamma", "0"}, "--gamma: '0' is out of range (valid: 0.05 to 20)"},
        {{"--hue", "181"}, "--hue: '181' is out of range (valid: -180 to 180)"},
        {{"--sat", "nan"}, "--sat: 'nan' is out of range (valid: -100 to 100)"},
        {{"--sat", "lots"}, "--sat: 'lots' is not a number"},
        {{"--n", "0.2,120,1", "--k", "1,1,1"},
         "--n: '0.2,120,1' has 120 out of range (valid: 0 to 100)"},
        {{"--n", "1,1,1", "--k", "1,-1,1"}, "--k: '1,-1,1' has -1 out of range (valid: 0 to 100)"},
        {{"--n", "1,1", "--k", "1,1,1"}, "--n: '1,1' is not three numbers"},
        {{"--module", "/no/such/module.dlu"}, "/no/such/module.dlu"},
    };
    const ScratchFolder folder("preview-errors");
    for (const Case& c : cases) {
        std::vector<std::string> args = {"preview", "-o", folder.File("bad.png")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << c.err;
        EXPECT_EQ(run.err.rfind("veltrane preview: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_TRUE(folder.Entries().empty()) << c.err;
    }
    // Output names the command cannot use.
    fs::create_directory(folder.File("folder.png"));
    for (const std::string& file :
         {folder.File("picture.jpg"), folder.File("no/such/dir.png"), folder.File("folder.png")}) {
        const ToolRun run = RunTool({"preview", "--size", "16", "-o", file});
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"folder.png"});
    }
}

}  // namespace
}  // namespace veltrane::tools
