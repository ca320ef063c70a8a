// nk --spectral, convert, curves --model/--spectral and the presets' spectral columns as
// built commands: their reports, round trips through their own output, and refusals.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/scoped_env.h"
#include "tests/support/scratch_file.h"
#include "tests/tools/report_text.h"
#include "tests/tools/spectral_fixtures.h"
#include "tests/tools/tool_runner.h"
#include "tests/tools/usage_error_check.h"

namespace veltrane::tools {
namespace {

namespace fs = std::filesystem;

// The cells of the report line whose label column (width characters) holds label; an
// nk --spectral report's label column is one wider than "integ edge 8-bit".
std::vector<std::string> Row(const std::string& out, const std::string& label, int width = 17) {
    const std::size_t w = static_cast<std::size_t>(width);
    for (const std::string& line : Lines(out)) {
        if (line.size() > w && Words(line.substr(0, w)) == Words(label)) {
            return Words(line.substr(w));
        }
    }
    return {};
}

// The largest difference of a metal's channel in a curves report.
std::string CurvesDifference(const std::string& out, const std::string& metal,
                             const std::string& channel) {
    for (const std::string& line : Lines(out)) {
        const std::vector<std::string> w = Words(line);
        if (w.size() == 7 && w[0] == metal && w[1] == channel) return w[4];
    }
    return "";
}

TEST(NkSpectral, AFlatFileGivesItsPointColourAndAMirrorGivesWhite) {
    struct Case {
        double n, k;
        std::vector<std::string> f0, f0Bytes;
    };
    const Case cases[] = {
        {0.0, 0.0, {"1.000000", "1.000000", "1.000000"}, {"255", "255", "255"}},
        {0.27, 3.6, {"0.925890", "0.925890", "0.925890"}, {"247", "247", "247"}},
    };
    for (const Case& c : cases) {
        const ScratchFile file("flat.yml", FlatNkFile(0.38, 0.78, c.n, c.k));
        const ToolRun run = RunTool({"nk", file.Path(), "--spectral"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Row(run.out, "integ f0"), c.f0);
        EXPECT_EQ(Row(run.out, "integ f0 8-bit"), c.f0Bytes);
        EXPECT_NE(run.out.find("m.nrvalue = "), std::string::npos);
    }
}

TEST(NkSpectral, HeldEndsAndTheFitAreReported) {
    // A long file name too: the warning naming it is never cut short.
    for (const std::string& name : {std::string("short.yml"), std::string(200, 'x') + ".yml"}) {
        const ScratchFile file(name,
                               "DATA:\n  - type: tabulated nk\n    data: |\n"
                               "      0.40 0.5 2.0\n      0.55 1.0 2.5\n      0.70 0.3 4.0\n");
        const ToolRun run = RunTool({"nk", file.Path(), "--spectral"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "veltrane nk: warning: " + file.Path() +
                               ": the data ends inside 380-780 nm; end values held over 380-395 "
                               "nm, 705-780 nm (0.0343% of the sum of D65 times ybar)\n");
        // The fitted n and k give the spectral f0 back through the map (f0 row).
        EXPECT_EQ(Row(run.out, "integ f0"), Row(run.out, "f0"));
        EXPECT_EQ(run.out.find("\num "), std::string::npos);  // no channel wavelengths
    }
}

TEST(NkSpectral, ColoursOutsideSrgbAreClippedAndReported) {
    // Reflective in the red, absorbing in the blue, like gold: red lies outside sRGB.
    const ScratchFile file("reddish.yml",
                           "DATA:\n  - type: tabulated nk\n    data: |\n"
                           "      0.38 1.6 1.9\n      0.50 1.0 1.8\n      0.55 0.4 2.3\n"
                           "      0.60 0.2 3.0\n      0.78 0.15 4.8\n");
    const ToolRun run = RunTool({"nk", file.Path(), "--spectral"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Row(run.out, "integ f0"),
              (std::vector<std::string>{"1.054832", "0.699555", "0.368614"}));
    EXPECT_EQ(Row(run.out, "integ f0 8-bit"), (std::vector<std::string>{"255", "218", "163"}));
    EXPECT_EQ(Row(run.out, "f0"), (std::vector<std::string>{"0.999000", "0.699555", "0.368614"}));
    EXPECT_EQ(Row(run.out, "n").size(), 3u);  // a long decimal still stands apart
    const std::string warnings[] = {
        "red f0 1.0548 lies outside the sRGB gamut; clipped to 1",
        "red edge colour 1.0020 lies outside the sRGB gamut; clipped to 1",
        "red f0 clipped to 0.999 for the fit: 1 is a pole",
        "red: the map cannot reach this edge colour with this f0",
    };
    for (const std::string& w : warnings) {
        EXPECT_NE(run.err.find("veltrane nk: warning: " + w), std::string::npos) << w;
    }
}

TEST(Convert, PresetsToTheModelsAndBackThroughTheJson) {
    const ToolRun gold = RunTool({"convert", "--preset", "gold", "--to", "openpbr"});
    EXPECT_EQ(gold.status, 0);
    EXPECT_EQ(Row(gold.out, "base_color", 16),
              (std::vector<std::string>{"0.967102", "0.574565", "0.333507"}));
    EXPECT_EQ(Row(gold.out, "specular_color", 16),
              (std::vector<std::string>{"0.990173", "1.000000", "1.000000"}));
    EXPECT_NE(gold.err.find("green specular_color 1.0531 clipped to 1"), std::string::npos);
    EXPECT_NE(gold.err.find("blue specular_color 1.0374 clipped to 1"), std::string::npos);

    for (const char* model : {"openpbr", "standard-surface"}) {
        for (const char* metal : {"copper", "chromium", "iron", "tungsten"}) {
            const ToolRun to =
                RunTool({"convert", "--preset", metal, "--to", model, "--format", "json"});
            ASSERT_EQ(to.status, 0) << to.err;
            const nlohmann::json colours = nlohmann::json::parse(to.out);
            EXPECT_EQ(colours["warnings"].size(), 0u) << metal;
            std::string base, specular;
            for (int c = 0; c < 3; ++c) {
                base += (c ? "," : "") + colours["base_color"][c].dump();
                specular += (c ? "," : "") + colours["specular_color"][c].dump();
            }
            const ToolRun from = RunTool({"convert", "--from", model, "--base-color", base,
                                          "--specular-color", specular, "--format", "json"});
            ASSERT_EQ(from.status, 0) << from.err;
            const nlohmann::json back = nlohmann::json::parse(from.out);
            for (int c = 0; c < 3; ++c) {
                // Six printed decimals of the colours limit the round trip here, not the
                // conversion (see the library tests for 1e-4 in float).
                EXPECT_NEAR(back["n"][c].get<double>(), colours["n"][c].get<double>(), 2e-3)
                    << model << " " << metal << " " << c;
                EXPECT_NEAR(back["k"][c].get<double>(), colours["k"][c].get<double>(), 2e-3)
                    << model << " " << metal << " " << c;
            }
        }
    }
    const ToolRun script = RunTool({"convert", "--from", "standard-surface", "--base-color",
                                    "0.5,0.5,0.5", "--specular-color", "0,0.5,1"});
    EXPECT_NE(script.out.find("m.preset = 0"), std::string::npos);
}

TEST(Convert, ADatabaseFilePointSampledOrSpectral) {
    const ScratchFile file("flat.yml", FlatNkFile(0.38, 0.78, 0.27, 3.6));
    const ToolRun point = RunTool({"convert", file.Path(), "--to", "standard-surface"});
    EXPECT_EQ(point.status, 0) << point.err;
    EXPECT_EQ(Row(point.out, "n", 16), (std::vector<std::string>{"0.27", "0.27", "0.27"}));
    const ToolRun spectral =
        RunTool({"convert", file.Path(), "--spectral", "--to", "openpbr", "--format", "json"});
    ASSERT_EQ(spectral.status, 0) << spectral.err;
    const nlohmann::json out = nlohmann::json::parse(spectral.out);
    EXPECT_EQ(out["spectral_f0"], nlohmann::json::parse("[0.92589, 0.92589, 0.92589]"));
    EXPECT_EQ(out["base_color"], out["spectral_f0"]);
}

TEST(CurvesModels, F82AndSpectralCurvesBesideTheMap) {
    const ToolRun f82 = RunTool({"curves", "--preset", "gold,chromium", "--model", "openpbr"});
    EXPECT_EQ(f82.status, 0);
    EXPECT_EQ(CurvesDifference(f82.out, "gold", "green"), "0.0452");
    EXPECT_EQ(CurvesDifference(f82.out, "gold", "blue"), "0.0412");
    EXPECT_EQ(CurvesDifference(f82.out, "chromium", "red"), "0.0317");
    EXPECT_NE(f82.err.find("gold green: specular_color 1.0531 clipped to 1"), std::string::npos);

    const ScratchFile file("flat.yml", FlatNkFile(0.38, 0.78, 0.27, 3.6));
    const ToolRun spectral = RunTool({"curves", "--spectral", file.Path()});
    EXPECT_EQ(spectral.status, 0) << spectral.err;
    EXPECT_NE(spectral.out.find("against spectral (CIE 1931, D65)"), std::string::npos);
    // A grey metal fitted at two angles follows its exact curve closely at every angle.
    EXPECT_LT(
        std::stod(CurvesDifference(spectral.out, fs::path(file.Path()).filename().string(), "red")),
        0.01);
}

TEST(PresetsSpectral, AMetalGetsSpectralColoursWhenItsSourceFileIsInTheDataFolder) {
    const ToolRun shipped = RunTool({"presets", "--format", "json"});
    for (const auto& metal : nlohmann::json::parse(shipped.out)) {
        EXPECT_FALSE(metal["spectral"].is_null()) << metal["name"];
    }
    // A data folder with the CIE tables and a stand-in file at gold's source page.
    const fs::path folder =
        fs::temp_directory_path() / ("veltrane-spectral-" + std::to_string(::getpid()));
    fs::create_directories(folder / "nk/main/Au/nk");
    for (const char* table : {"cie1931_2deg_5nm.csv", "cie_d65_5nm.csv"}) {
        fs::copy_file(ShippedFile(table), folder / table);
    }
    std::ofstream(folder / "nk/main/Au/nk/Babar.yml") << FlatNkFile(0.3, 0.9, 0.27, 3.6);
    const ToolRun run = RunTool({"presets", "--format", "json", "--data", folder.string()});
    fs::remove_all(folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json metals = nlohmann::json::parse(run.out);
    EXPECT_EQ(metals[2]["spectral"]["f0_linear"],
              nlohmann::json::parse("[0.92589, 0.92589, 0.92589]"));
    EXPECT_TRUE(metals[0]["spectral"].is_null());
}

TEST(SpectralCommands, BadInputGivesStatusTwoOneLineAndNoOutput) {
    const ScratchFile late("late.yml", FlatNkFile(0.42, 0.80, 1, 3));
    const ScratchFile flat("flat.yml", FlatNkFile(0.38, 0.78, 1, 3));
    struct Case {
        std::vector<std::string> args;
        std::string err;  // after "veltrane COMMAND: "
    };
    const Case cases[] = {
        {{"nk", late.Path(), "--spectral"},
         late.Path() + ": the data (n 0.42 to 0.8 um, k 0.42 to 0.8 um) does not cover 0.4 to "
                       "0.7 um"},
        {{"nk", "--spectral"}, "--spectral needs a database file FILE.yml"},
        {{"nk", flat.Path(), "--spectral", "--data", "/nonexistent"},
         "--data: '/nonexistent' holds no CIE tables (cie1931_2deg_5nm.csv, cie_d65_5nm.csv)"},
        {{"convert", "--preset", "gold"}, "give one direction (valid: --to openpbr|"},
        {{"convert", "--preset", "gold", "--to", "blender"},
         "--to: 'blender' is not a model (valid: openpbr, standard-surface)"},
        {{"convert", "--from", "openpbr", "--base-color", "0.5,0.5,0.5"},
         "--from needs --base-color R,G,B and --specular-color R,G,B"},
        {{"convert", "--from", "openpbr", "--base-color", "0.5,1.5,0.5", "--specular-color",
          "1,1,1"},
         "--base-color: '0.5,1.5,0.5' has 1.5 out of range (valid: 0 to 1)"},
        {{"convert", "--to", "openpbr"}, "missing input (valid: --preset NAME"},
        {{"convert", "--to", "openpbr", "--preset", "gold", "--format", "xml"},
         "--format: 'xml' is not a format (valid: table, json)"},
        {{"convert", "--to", "openpbr", "--n", "1,1,1", "--k", "1,101,1"},
         "--k: '1,101,1' has 101 out of range (valid: 0 to 100)"},
        {{"convert", "--to", "openpbr", "--preset", "gold", "--spectral"},
         "--spectral needs a database file FILE.yml"},
        {{"curves", "--preset", "gold", "--model", "schlick"},
         "--model: 'schlick' is not a model (valid: exact, openpbr)"},
        {{"curves", "--spectral", late.Path()}, late.Path() + ": the data (n 0.42"},
        {{"presets", "--data", "/nonexistent"}, "--data: '/nonexistent' holds no CIE tables"},
    };
    for (const Case& c : cases) ExpectUsageError(c.args, c.err);
    // The environment variable, when set, must name a folder with the tables.
    const ToolRun env = [&] {
        const ScopedEnv data("VELTRANE_DATA", "/nonexistent");
        return RunTool({"nk", flat.Path(), "--spectral"});
    }();
    EXPECT_EQ(env.status, 2);
    EXPECT_EQ(env.err,
              "veltrane nk: VELTRANE_DATA='/nonexistent' holds no CIE tables "
              "(cie1931_2deg_5nm.csv, cie_d65_5nm.csv)\n");
}

}  // namespace
}  // namespace veltrane::tools
