// What the data commands say: values in messages as typed, the nk report's columns, one
// precision for one quantity across commands, and one wording for the metal input's warnings.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/scratch_file.h"
#include "tests/tools/report_text.h"
#include "tests/tools/spectral_fixtures.h"
#include "tests/tools/tool_runner.h"
#include "tools/veltrane/preset_names.h"

namespace veltrane::tools {
namespace {

// The words after label at the start of a line of out.
std::vector<std::string> After(const std::string& out, const std::string& label) {
    for (const std::string& line : Lines(out)) {
        if (line.rfind(label + " ", 0) == 0) return Words(line.substr(label.size()));
    }
    return {};
}

TEST(CommandMessages, AValueOutOfRangeIsQuotedAsTyped) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"preview", "--hue", "180.00001", "-o", "never.png"},
         "veltrane preview: --hue: '180.00001' is out of range (valid: -180 to 180)\n"},
        {{"nk", "--f0", "0.5,1.0000001,0.5", "--edge", "1,1,1"},
         "veltrane nk: --f0: '0.5,1.0000001,0.5' has 1.0000001 out of range (valid: 0 to 1)\n"},
        {{"curves", "--n", "1,1,100.00001", "--k", "1,1,1"},
         "veltrane curves: --n: '1,1,100.00001' has 100.00001 out of range (valid: 0 to 100)\n"},
        {{"convert", "--to", "openpbr", "--n", "1,2,3", "--k", "1,-0.000001,1"},
         "veltrane convert: --k: '1,-0.000001,1' has -0.000001 out of range (valid: 0 to 100)\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_EQ(run.err, c.message);
    }
}

TEST(CommandMessages, EvalEchoesItsInputsAsTyped) {
    const ToolRun run = RunTool({"eval", "--n", "1.0000001,2,3", "--k", "4,5,6.0000005", "--mu",
                                 "0.50000006", "--hue", "0.1000001"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(After(run.out, "n"), (std::vector<std::string>{"1.0000001", "2", "3"}));
    EXPECT_EQ(After(run.out, "k"), (std::vector<std::string>{"4", "5", "6.0000005"}));
    EXPECT_EQ(After(run.out, "view"), (std::vector<std::string>{"mu", "0.50000006"}));
    EXPECT_EQ(After(run.out, "adjust").at(1), "0.1000001,");
}

TEST(CommandMessages, TheSpectralReportsRowsKeepOneLabelColumn) {
    const ScratchFile file("layout.yml", FlatNkFile(0.38, 0.78, 0.0, 0.0));
    const ToolRun run = RunTool({"nk", file.Path(), "--spectral"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> labels = {
        "source",           "spectral", "channel", "integ f0", "integ f0 8-bit", "integ edge",
        "integ edge 8-bit", "n",        "k",       "f0",       "edge tint"};
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), labels.size());
    // Every label stands alone before the column where the values of every row begin.
    const std::size_t column = lines[0].find(file.Path());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::string& line = lines[i];
        ASSERT_GT(line.size(), column) << line;
        EXPECT_EQ(Words(line.substr(0, column)), Words(labels[i])) << line;
        EXPECT_EQ(line[column - 1], ' ') << line;
        EXPECT_NE(line[column], ' ') << line;
    }
}

TEST(CommandMessages, AColourHasOnePrecisionInEveryCommand) {
    // Copper's colour head-on: presets' f0, nk's f0 and the base_color of the model whose
    // base_color is that reflectivity.
    // A data folder of the CIE tables alone: the colours need no measured file.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("veltrane-precision-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (const char* table : {"cie1931_2deg_5nm.csv", "cie_d65_5nm.csv"}) {
        std::filesystem::copy_file(ShippedFile(table), folder / table);
    }
    const ToolRun csv = RunTool({"presets", "--format", "csv", "--data", folder.string()});
    std::filesystem::remove_all(folder);
    const ToolRun nk = RunTool({"nk", "--preset", "copper"});
    const ToolRun convert = RunTool({"convert", "--preset", "copper", "--to", "standard-surface"});
    std::vector<std::string> fromCsv;
    for (const std::string& line : Lines(csv.out)) {
        if (line.rfind("copper,", 0) != 0) continue;
        std::stringstream fields(line);
        std::vector<std::string> all;
        for (std::string f; std::getline(fields, f, ',');) all.push_back(f);
        fromCsv = {all.at(9), all.at(10), all.at(11)};  // f0_r, f0_g, f0_b
    }
    EXPECT_EQ(fromCsv, (std::vector<std::string>{"0.925952", "0.589009", "0.520982"})) << csv.err;
    EXPECT_EQ(After(nk.out, "f0"), fromCsv);
    EXPECT_EQ(After(convert.out, "base_color"), fromCsv);
}

TEST(CommandMessages, TheMetalInputWarnsInTheSameWordsEverywhere) {
    // A file whose n lies beyond the map's range, and colours at the mapping's pole: every
    // command that reads them says so, in the same words.
    const ScratchFile file("dense.yml", FlatNkFile(0.38, 0.78, 150.0, 3.0));
    const std::string beyond = "n red = 150 exceeds the map's range 0 to 100; the map clamps it";
    const struct {
        std::vector<std::string> args;
        std::string warning;
    } cases[] = {
        {{"nk", file.Path()}, "veltrane nk: warning: " + beyond},
        {{"convert", file.Path(), "--to", "openpbr"}, "veltrane convert: warning: " + beyond},
        {{"nk", "--f0", "1,0.5,0.5", "--edge", "1,0.5,0.5"},
         "veltrane nk: warning: red f0 clamped to 0.999: f0 = 1 is a pole of the mapping"},
        {{"convert", "--from", "standard-surface", "--base-color", "1,0.5,0.5", "--specular-color",
          "1,0.5,0.5"},
         "veltrane convert: warning: red base_color clamped to 0.999: base_color = 1 is a pole of "
         "the mapping"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.err.find(c.warning), std::string::npos) << run.err;
    }
}

TEST(PresetNames, TheRolloutScreenshotTakesPresetsAndCustomInAnyCase) {
    const struct {
        const char* name;
        std::optional<int> index;
    } cases[] = {{"custom", 0},
                 {"CUSTOM", 0},
                 {"Custom", 0},
                 {"copper", 6},
                 {"Copper", 6},
                 {"ALUMINUM", 2},
                 {"tungsten", std::nullopt},
                 {"", std::nullopt},
                 {"custom ", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(FindPresetOrCustomByName(c.name), c.index) << c.name;
}

}  // namespace
}  // namespace veltrane::tools
