// The built command's curves, nk and presets: their reports, their pictures and scripts,
// and their refusals (exit status 2, one line, no output file).
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/scratch_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/tools/nk_fixtures.h"
#include "tests/tools/report_text.h"
#include "tests/tools/tool_runner.h"
#include "tests/tools/usage_error_check.h"

namespace veltrane::tools {
namespace {

namespace fs = std::filesystem;

// An empty folder for output files, removed with everything in it.
std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const char* const kTen[] = {"silver", "aluminium", "gold",   "cobalt",   "chromium",
                            "copper", "iron",      "nickel", "platinum", "titanium"};

TEST(CurvesCommand, TheTenPresetsStayWithinTheBoundAndADielectricIsFlagged) {
    std::string ten;
    for (const char* name : kTen) ten += std::string(ten.empty() ? "" : ",") + name;
    const ToolRun presets = RunTool({"curves", "--preset", ten});
    EXPECT_EQ(presets.status, 0);
    EXPECT_EQ(presets.err, "");
    const std::vector<std::string> lines = Lines(presets.out);
    ASSERT_EQ(lines.size(), 1u + 30u);  // header, three channels per metal
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> w = Words(lines[i]);  // metal chan n k diff angle deg
        ASSERT_EQ(w.size(), 7u) << lines[i];
        EXPECT_LT(std::stod(w[4]), 0.01) << lines[i];
    }
    EXPECT_EQ(Words(lines[17]), (std::vector<std::string>{"copper", "green", "0.97907", "2.369",
                                                          "0.0064", "70.2", "deg"}));

    const ToolRun glass = RunTool({"curves", "--n", "1.5,1.5,1.5", "--k", "0,0,0"});
    EXPECT_EQ(glass.status, 0);
    EXPECT_EQ(Words(Lines(glass.out)[1]),
              (std::vector<std::string>{"custom", "red", "1.5", "0", "0.0987", "79.2", "deg"}));
    EXPECT_EQ(Lines(glass.err).size(), 3u) << glass.err;
    EXPECT_NE(glass.err.find("veltrane curves: warning: custom red (n 1.5, k 0): the closed form "
                             "is off by 0.0987 at 79.2 deg, beyond 0.01; poor where k near 0"),
              std::string::npos)
        << glass.err;
    const ToolRun thin = RunTool({"curves", "--n", "0.5,0.5,0.5", "--k", "0.2,0.8,3"});
    EXPECT_NE(thin.err.find("green (n 0.5, k 0.8)"), std::string::npos) << thin.err;
    EXPECT_NE(thin.err.find("poor where n < 1 with small k"), std::string::npos) << thin.err;
    EXPECT_EQ(thin.err.find("blue"), std::string::npos) << thin.err;
}

TEST(CurvesCommand, WritesPngAndSvgByTheExtension) {
    const ScratchFolder folder("data-commands");
    struct Case {
        std::string file, preset, magic;
    };
    const Case cases[] = {
        {"copper.png", "copper", "\x89PNG\r\n\x1a\n"},
        {"three.PNG", "gold,silver,tungsten", "\x89PNG\r\n\x1a\n"},
        {"all.svg", "all", "<?xml"},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool({"curves", "--preset", c.preset, "-o", folder.File(c.file)});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadBytes(folder.File(c.file)).rfind(c.magic, 0), 0u) << c.file;
    }
    // Only the pictures: no temporary file stays behind.
    EXPECT_EQ(folder.Entries().size(), std::size(cases));
}

TEST(NkCommand, ReadsADatabaseFileAndPrintsTheValuesAndTheScript) {
    const ScratchFile file("nk-rows.yml", kFourRowsNk);
    const ToolRun run = RunTool({"nk", file.Path()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "source    " + file.Path() +
                  " (n 0.4 to 0.7 um, k 0.4 to 0.7 um)\n"
                  "channel   red         green       blue\n"
                  "um        0.650       0.510       0.475\n"
                  "n         3.5         2.1         1.75\n"
                  "k         5.5         4.1         3.75\n"
                  "f0        0.722772    0.682059    0.676301\n"
                  "edge tint 0.726005    0.814406    0.845340\n"
                  "\n"
                  "-- MAXScript: the map in the active material editor slot becomes Custom with "
                  "these values\n"
                  "m = medit.GetCurMtl()\n"
                  "if classOf m == Veltrane then (\n"
                  "    m.preset = 0\n"
                  "    m.nrvalue = 3.5\n"
                  "    m.ngvalue = 2.1\n"
                  "    m.nbvalue = 1.75\n"
                  "    m.krvalue = 5.5\n"
                  "    m.kgvalue = 4.1\n"
                  "    m.kbvalue = 3.75\n"
                  ") else messageBox \"Select a Veltrane map in the material editor first.\"\n");
}

// The n and k lines of an nk report.
std::string IorLines(const std::string& out) {
    const std::size_t n = out.find("\nn ");
    const std::size_t f0 = out.find("\nf0 ");
    return n == std::string::npos || f0 == std::string::npos ? "" : out.substr(n, f0 - n);
}

std::string ArtistLines(const std::string& out) {
    const std::size_t f0 = out.find("\nf0 ");
    const std::size_t end = out.find("\n\n");
    return f0 == std::string::npos || end == std::string::npos ? "" : out.substr(f0, end - f0);
}

TEST(NkCommand, ArtistColoursAndIndicesConvertBothWays) {
    const ToolRun copper = RunTool({"nk", "--preset", "copper"});
    ASSERT_EQ(copper.status, 0) << copper.err;
    const std::vector<std::string> f0 = Words(ArtistLines(copper.out).substr(1));
    // f0 and edge tint of copper, printed to six decimals, map back to copper's index.
    const std::string f0Arg = f0[1] + "," + f0[2] + "," + f0[3];
    const std::vector<std::string> edge = Words(Lines(ArtistLines(copper.out))[2]);
    const std::string edgeArg = edge[2] + "," + edge[3] + "," + edge[4];
    const ToolRun back = RunTool({"nk", "--f0", f0Arg, "--edge", edgeArg});
    ASSERT_EQ(back.status, 0) << back.err;
    const std::vector<std::string> n = Words(Lines(IorLines(back.out))[1]);
    EXPECT_NEAR(std::stod(n[1]), 0.27105, 2e-4);
    EXPECT_NEAR(std::stod(n[2]), 0.97907, 2e-4);
    EXPECT_NEAR(std::stod(n[3]), 1.2171, 2e-4);

    const ToolRun toArtist = RunTool(
        {"nk", "--n", "0.27105,0.97907,1.2171", "--k", "3.6092,2.369,2.2908", "--to-artist"});
    EXPECT_EQ(ArtistLines(toArtist.out), ArtistLines(copper.out));
    EXPECT_EQ(IorLines(toArtist.out), IorLines(copper.out));

    // The pole: reported, and the values stay finite.
    const ToolRun pole = RunTool({"nk", "--f0", "1,0.5,0.5", "--edge", "1,0.5,0.5"});
    EXPECT_EQ(pole.status, 0);
    EXPECT_EQ(pole.err,
              "veltrane nk: warning: red f0 clamped to 0.999: f0 = 1 is a pole of the mapping (n "
              "and k grow without bound)\n");
    EXPECT_EQ(pole.out.find("nan"), std::string::npos);
    const ToolRun zeroN = RunTool({"nk", "--n", "0,1,1", "--k", "3,1,0", "--to-artist"});
    EXPECT_EQ(zeroN.status, 0);
    EXPECT_NE(zeroN.err.find("red f0 clamped to 0.999"), std::string::npos) << zeroN.err;
    EXPECT_NE(zeroN.out.find("edge tint 1.000000"), std::string::npos) << zeroN.out;
}

TEST(NkCommand, FurtherMetalsComeWithTheirSource) {
    const ToolRun run = RunTool({"nk", "--preset", "Tungsten"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("source    tungsten (Rakic et al. 1998"), std::string::npos);
    EXPECT_NE(run.out.find("    m.nrvalue = 3.6518\n"), std::string::npos);
    const ToolRun eval = RunTool({"eval", "--preset", "tungsten", "--mu", "1", "--via-plugin"});
    EXPECT_EQ(eval.status, 0) << eval.err;
    EXPECT_NE(eval.out.find("material  tungsten\nn         3.6518 3.4231 3.355\n"),
              std::string::npos)
        << eval.out;
}

TEST(PresetsCommand, ListsEveryMetalInEachFormat) {
    const ToolRun json = RunTool({"presets", "--format", "json"});
    ASSERT_EQ(json.status, 0);
    const nlohmann::json metals = nlohmann::json::parse(json.out);
    ASSERT_EQ(metals.size(), 22u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(metals[i]["name"], kTen[i]);
        EXPECT_EQ(metals[i]["preset"], i + 1);
    }
    const nlohmann::json& gold = metals[2];
    EXPECT_EQ(gold["n"], nlohmann::json::parse("[0.11114, 0.615, 1.2865]"));
    EXPECT_EQ(gold["f0_linear"], nlohmann::json::parse("[0.967102, 0.574565, 0.333507]"));
    EXPECT_EQ(gold["f0_srgb8"], nlohmann::json::parse("[251, 200, 156]"));
    EXPECT_EQ(gold["source"], "Babar & Weaver 2015, Appl. Opt. 54, 477");
    EXPECT_EQ(metals[21]["name"], "bismuth");
    EXPECT_EQ(metals[21]["preset"], 0);
    // Every metal's file is shipped: spectral colours, and the values the file gives otherwise.
    EXPECT_EQ(gold["spectral"]["f0_linear"],
              nlohmann::json::parse("[1.058818, 0.773264, 0.307271]"));
    EXPECT_EQ(gold["file_differences"], nlohmann::json::array());
    EXPECT_EQ(metals[1]["file_differences"].size(), 6u);  // aluminium
    EXPECT_EQ(metals[5]["file_differences"][0],
              nlohmann::json::parse(
                  R"({"parameter": "n green", "value": 0.97907, "file": 0.979022})"));  // copper
    const nlohmann::json& lead = metals[15];
    EXPECT_EQ(lead["name"], "lead");
    EXPECT_NE(lead["spectral"]["unavailable"].get<std::string>().find("does not cover 0.4 to 0.7"),
              std::string::npos);
    EXPECT_EQ(lead["file_differences"], nlohmann::json::array());
    EXPECT_NE(json.err.find("lead: no spectral colour"), std::string::npos);

    const ToolRun csv = RunTool({"presets", "--format", "csv"});
    const std::vector<std::string> rows = Lines(csv.out);
    ASSERT_EQ(rows.size(), 23u);
    EXPECT_EQ(rows[3],
              "gold,Gold,3,0.11114,0.615,1.2865,3.5041,1.7816,1.5789,0.967102,0.574565,0.333507,"
              "251,200,156,0.999210,0.950702,0.756737,\"Babar & Weaver 2015, Appl. Opt. 54, 477\","
              "main/Au/nk/Babar.yml,1.058818,0.773264,0.307271,1.002006,0.893943,0.623769,");

    const ToolRun table = RunTool({"presets"});
    const std::vector<std::string> lines = Lines(table.out);
    ASSERT_EQ(lines.size(), 23u + 3u + 5u);  // a blank line, two of heading, five metals
    EXPECT_EQ(Words(lines[13]).front(), "tungsten");
    EXPECT_EQ(Words(lines[26]).front(), "aluminium");
    EXPECT_NE(lines[30].find("k blue 3.281 (file 3.28094)"), std::string::npos) << lines[30];
}

TEST(DataCommands, BadInputGivesStatusTwoOneLineAndNoOutputFile) {
    const ScratchFolder folder("data-commands");
    const std::string png = folder.File("out.png");
    const ScratchFile formula("nk-formula.yml",
                              "DATA:\n  - type: formula 2\n    coefficients: 0 1 0.1\n");
    const ScratchFile shortRange("nk-short.yml",
                                 "DATA:\n  - type: tabulated nk\n    data: |\n"
                                 "      0.5 1 2\n      0.7 1 2\n");
    const ScratchFile broken("nk-broken.yml", "DATA: [\n");
    struct Case {
        std::vector<std::string> args;
        std::string err;  // the message after "veltrane COMMAND: "
    };
    const Case cases[] = {
        {{"curves", "--preset", "zinc", "-o", png}, "unknown preset 'zinc' (valid presets: "},
        {{"curves", "--preset", "copper,", "-o", png}, "unknown preset '' (valid presets: "},
        {{"curves", "-o", png}, "missing material (valid: --preset NAME, or --n R,G,B with"},
        {{"curves", "--n", "1,2", "--k", "1,1,1", "-o", png}, "--n: '1,2' is not three numbers"},
        {{"curves", "--preset", "gold", "-o", folder.File("out.jpg")},
         "-o: '" + folder.File("out.jpg") +
             "' names no picture format (valid extensions: .svg, "
             ".png)"},
        {{"curves", "--preset", "gold", "-o", folder.File("no/such/folder.png")},
         "-o: cannot create '" + folder.File("no/such/folder.png") +
             "' (No such file or directory)"},
        {{"nk", formula.Path()},
         formula.Path() + ": DATA block 1 (formula 2) is a dispersion formula; only tabulated "
                          "n and k are read"},
        {{"nk", shortRange.Path()},
         shortRange.Path() + ": 0.475 um (blue) lies outside the data for n (0.5 to 0.7 um); "
                             "values are never extrapolated"},
        {{"nk", broken.Path()}, broken.Path() + ": not valid YAML (line 2, column 1: "},
        {{"nk", folder.File("missing.yml")},
         folder.File("missing.yml") + ": cannot be opened (No such file or directory)"},
        {{"nk"}, "missing input (valid: FILE.yml; --f0 R,G,B with --edge R,G,B; --n R,G,B"},
        {{"nk", "--f0", "1.2,0.5,0.5", "--edge", "0,0,0"},
         "--f0: '1.2,0.5,0.5' has 1.2 out of range (valid: 0 to 1)"},
        {{"nk", "--f0", "0.5,0.5,0.5", "--edge", "0,nan,0"},
         "--edge: '0,nan,0' has nan out of range (valid: 0 to 1)"},
        {{"nk", "--n", "1,1,1", "--k", "1,-1,1", "--to-artist"},
         "--k: '1,-1,1' has -1 out of range (valid: 0 to 100)"},
        {{"nk", "--n", "1,1,1", "--k", "1,1,1"}, "--n and --k need --to-artist"},
        {{"nk", "--preset", "brass"}, "unknown preset 'brass' (valid presets: "},
        {{"nk", "--f0", "0.5,0.5,0.5"}, "--f0 requires --edge"},
        {{"presets", "--format", "xml"},
         "--format: 'xml' is not a format (valid: table, csv, json)"},
    };
    for (const Case& c : cases) ExpectUsageError(c.args, c.err);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(DataCommands, HelpExplainsEachCommand) {
    const std::pair<const char*, const char*> cases[] = {
        {"curves", "poor where k is near 0"},
        {"nk", "never extrapolated"},
        {"nk", "f0 = 1 is a pole"},
        {"presets", "--format"},
        {"nk", "--spectral"},
        {"nk", "end values are held"},
        {"convert", "F82-tint"},
        {"convert", "--format json"},
        {"curves", "--model openpbr"},
        {"presets", "absent"},
    };
    for (const auto& [command, phrase] : cases) {
        const ToolRun run = RunTool({command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find(phrase), std::string::npos) << command << ": " << phrase;
    }
}

}  // namespace
}  // namespace veltrane::tools
