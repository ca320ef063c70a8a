// The built veltrane command: batch output bit for bit, its errors, the report for people,
// usage errors and help.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/evaluation.h"
#include "tests/tools/tool_runner.h"

namespace veltrane::tools {
namespace {

// The subcommands; the data and picture commands need libraries only the Linux build has.
#if defined(_WIN32)
#define VALID_COMMANDS "eval, plugin-info"
#else
#define VALID_COMMANDS "eval, plugin-info, curves, nk, presets, preview, convert"
#endif

// glibc's %.9g, which the tool's output follows everywhere: a NaN keeps its sign ("-nan"),
// which the Windows C runtime's printf drops.
std::string Printf9g(float v) {
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
    return text;
}

TEST(EvalBatch, WritesOneColourPerSampleLine) {
    const std::string input =
        "# nR nG nB kR kG kB mu hue sat gamma\n"
        "0.27105 0.97907 1.2171 3.6092 2.369 2.2908 1 0 0 1\n"
        "\n"
        "   \t\n"
        "  # indented comment\n"
        "+0.27105 0.97907 1.2171 3.6092 2.369 2.2908 0.5 0 0 1\r\n"
        "0 0 0 0 0 0 0 0 0 1\n"
        "\t1 1 1 1 1 1 1 0 0 1   ";  // no newline at the end
    const ToolRun run = RunTool({"eval", "--batch"}, input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "0.925952137 0.589009404 0.520982325 1\n"
              "0.920476437 0.604144752 0.539377213 1\n"
              "1 1 1 1\n"
              "0.200000003 0.200000003 0.200000003 1\n");
}

TEST(EvalBatch, MatchesTheCoreAndPrintfOnRandomAndEdgeInput) {
    // The text goes through the tool's parsing, evaluation and formatting; the expectation
    // through strtof, the core and printf.
    const std::vector<std::string> edges = {"0",    "-0",    "1",   "nan",  "-inf", "inf", "1e-45",
                                            "1e30", "-3e38", "100", "0.05", "20",   "360", "-180"};
    std::mt19937 rng(31337);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const float scale[10] = {4, 4, 4, 8, 8, 8, 1, 360, 200, 20};
    const float offset[10] = {0, 0, 0, 0, 0, 0, 0, -180, -100, 0.05f};
    std::string input, expected;
    for (int line = 0; line < 3000; ++line) {
        float v[10];
        for (int i = 0; i < 10; ++i) {
            std::string text;
            if (rng() % 10 == 0) {
                text = edges[rng() % edges.size()];
            } else {
                text = Printf9g(offset[i] + scale[i] * unit(rng));
            }
            v[i] = std::strtof(text.c_str(), nullptr);
            input += (i ? " " : "") + text;
        }
        input += "\n";
        ParamSnapshot p;
        p.ior = {v[0], v[1], v[2], v[3], v[4], v[5]};
        p.hue = v[7];
        p.sat = v[8];
        p.gamma = v[9];
        const AColor c = EvalReflectance({0, 0, 1}, {0, 0, -v[6]}, p);
        expected +=
            Printf9g(c.r) + " " + Printf9g(c.g) + " " + Printf9g(c.b) + " " + Printf9g(c.a) + "\n";
    }
    const ToolRun run = RunTool({"eval", "--batch"}, input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out == expected) << "the tool's output differs from printf of the core";

    // The same samples through the loaded plug-in module: parameter block, Update, EvalColor.
    const ToolRun viaPlugin = RunTool({"eval", "--batch", "--via-plugin"}, input);
    EXPECT_EQ(viaPlugin.status, 0);
    EXPECT_EQ(viaPlugin.err, "");
    EXPECT_TRUE(viaPlugin.out == expected) << "the plug-in's colours differ from the core's";
}

TEST(EvalViaPlugin, ReportsTheSameColourAsTheCore) {
    const ToolRun direct = RunTool({"eval", "--preset", "gold", "--angle", "60", "--hue", "20"});
    const ToolRun viaPlugin =
        RunTool({"eval", "--preset", "gold", "--angle", "60", "--hue", "20", "--via-plugin"});
    EXPECT_EQ(viaPlugin.status, 0);
    EXPECT_EQ(viaPlugin.out, direct.out);
}

TEST(EvalViaPlugin, NamesAModuleThatCannotBeLoaded) {
    const ToolRun run = RunTool(
        {"eval", "--preset", "gold", "--mu", "1", "--via-plugin", "--module", "/nonexistent.so"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("/nonexistent.so"), std::string::npos) << run.err;
}

TEST(EvalBatch, StopsAtTheFirstLineThatIsNotTenNumbers) {
    const std::string good = "1 1 1 1 1 1 1 0 0 1\n";
    const std::string goodOut = "0.200000003 0.200000003 0.200000003 1\n";
    struct Case {
        std::string input, out, err;
        const char* note;
    };
    const Case cases[] = {
        {"1 2 3\n", "", "line 1: expected 10 numbers, found 3\n", "too few"},
        {good + "# c\n\n1 1 1 1 1 1 1 0 0 1 1\n" + good, goodOut,
         "line 4: expected 10 numbers, found more: '1'\n",
         "too many; comments and blanks are counted"},
        {good + "1 1 1 1 1 1 1 0 0 +-1\n", goodOut,
         "line 2: expected 10 numbers, '+-1' (number 10) is not a number\n", "two signs"},
        {"1 1 1 1 1 1 1 0 0 1x\n", "",
         "line 1: expected 10 numbers, '1x' (number 10) is not a number\n", "trailing junk"},
        {"0x1 1 1 1 1 1 1 0 0 1\n", "",
         "line 1: expected 10 numbers, '0x1' (number 1) is not a number\n", "hexadecimal"},
        {"1,1 1 1 1 1 1 0 0 1\n", "",
         "line 1: expected 10 numbers, '1,1' (number 1) is not a number\n", "comma"},
        {good + "1 1 1 1 1 1 1 0 0", goodOut, "line 2: expected 10 numbers, found 9\n",
         "last line short"},
        {std::string(3u << 20, ' ') + "x\n", "",
         "line 1: expected 10 numbers, found a line longer than 1 MiB\n",
         "a line longer than the buffer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const ToolRun run = RunTool({"eval", "--batch"}, c.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}

TEST(EvalCommand, ReportsOneSampleForPeople) {
    const ToolRun copper = RunTool({"eval", "--preset", "COPPER", "--mu", "1"});
    EXPECT_EQ(copper.status, 0);
    EXPECT_NE(copper.out.find("colour    0.925952 0.589009 0.520982 (alpha 1)\n"),
              std::string::npos)
        << copper.out;
    EXPECT_NE(copper.out.find("mono      0.678648\n"), std::string::npos) << copper.out;

    const ToolRun grazing = RunTool({"eval", "--preset", "gold", "--angle", "90", "--sat", "-20"});
    EXPECT_EQ(grazing.status, 0);
    EXPECT_NE(grazing.out.find("colour    1.000000 1.000000 1.000000"), std::string::npos)
        << grazing.out;

    const ToolRun custom =
        RunTool({"eval", "--n", "0.27105,0.97907,1.2171", "--k", "3.6092,2.369,2.2908", "--angle",
                 "60", "--hue=-20", "--gamma", "2.2"});
    const ToolRun preset =
        RunTool({"eval", "--preset", "copper", "--mu", "0.5", "--hue", "-20", "--gamma", "2.2"});
    EXPECT_EQ(custom.status, 0);
    const auto colourLine = [](const std::string& out) {
        const std::size_t at = out.find("colour");
        return out.substr(at, out.find('\n', at) - at);
    };
    EXPECT_EQ(colourLine(custom.out), colourLine(preset.out));

    const ToolRun british = RunTool({"eval", "--preset", "aluminium", "--mu", "0.3"});
    const ToolRun american = RunTool({"eval", "--preset", "Aluminum", "--mu", "0.3"});
    EXPECT_EQ(british.out, american.out);
}

TEST(EvalCommand, UsageErrorsNameTheBadValueAndTheChoices) {
    const std::string evalOptions =
        "--help, --preset, --n, --k, --hue, --sat, --gamma, --angle, --mu, --batch, --via-plugin, "
        "--module";
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"eval", "--preset", "zinc", "--mu", "1"},
         "veltrane eval: unknown preset 'zinc' (valid presets: silver, aluminium, aluminum, "
         "gold, cobalt, chromium, copper, iron, nickel, platinum, titanium, brass-cu70zn30, "
         "brass-cu85zn15, tungsten, palladium, mercury, lead, stainless-steel, rhodium, "
         "iridium, beryllium, molybdenum, bismuth)\n"},
        {{"eval", "--preset", "gold", "--mu", "1", "--shine", "3"},
         "veltrane eval: unknown option '--shine' (valid options: " + evalOptions + ")\n"},
        {{"eval", "--preset", "gold", "--mu", "1", "stray"},
         "veltrane eval: unexpected argument 'stray' (valid options: " + evalOptions + ")\n"},
        {{"render"}, "veltrane: unknown command 'render' (valid commands: " VALID_COMMANDS ")\n"},
        {{},
         "veltrane: missing command (valid commands: " VALID_COMMANDS "; see veltrane --help)\n"},
        {{"eval", "--preset", "gold", "--hue", "abc", "--mu", "1"},
         "veltrane eval: --hue: 'abc' is not a number (valid: a decimal such as -12.5 or 1e-3, "
         "nan, inf)\n"},
        {{"eval", "--n", "1,2", "--k", "1,2,3", "--mu", "1"},
         "veltrane eval: --n: '1,2' is not three numbers (valid: R,G,B such as 0.27,0.98,1.22)\n"},
        {{"eval", "--preset", "gold"},
         "veltrane eval: missing view (valid: --angle DEG or --mu X)\n"},
        {{"eval", "--mu", "1"},
         "veltrane eval: missing material (valid: --preset NAME, or --n R,G,B with --k R,G,B)\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, 2) << c.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
    }
    // Conflicting options are CLI11's own one-line messages.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"eval", "--preset", "gold", "--n", "1,1,1", "--mu", "1"},
          {"eval", "--preset", "gold", "--angle", "3", "--mu", "1"},
          {"eval", "--batch", "--hue", "3"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("excludes"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

TEST(EvalCommand, HelpExplainsTheCommands) {
    const ToolRun top = RunTool({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.out.find("eval"), std::string::npos);
    const ToolRun eval = RunTool({"eval", "--help"});
    EXPECT_EQ(eval.status, 0);
    for (const char* word : {"--preset", "--batch", "--angle", "line N: expected 10 numbers"}) {
        EXPECT_NE(eval.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace veltrane::tools
