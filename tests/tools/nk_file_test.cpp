// The reader of refractive-index database files: values it must reproduce, files it must
// refuse with its documented messages, and hostile text it must survive.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "tests/tools/nk_fixtures.h"
#include "tools/metals/nk_file.h"

namespace veltrane::tools {
namespace {

constexpr const char* kName = "metal.yml";

// n and k of a parsed file at a wavelength; nullopt where outside the data.
std::optional<std::pair<double, double>> At(const NkTable& table, double wavelength) {
    const auto n = Interpolate(table.n, wavelength);
    const auto k = Interpolate(table.k, wavelength);
    if (!n || !k) return std::nullopt;
    return std::pair{*n, *k};
}

TEST(NkFile, ReproducesKnownValues) {
    struct Case {
        const char* what;
        std::string text;
        double wavelength, n, k;
    };
    const std::string nk = kFourRowsNk;
    // The database's layout: n and k in separate blocks on different grids.
    const std::string separate =
        "DATA:\n"
        "  - type: tabulated n\n"
        "    data: |\n"
        "        0.45 1.5\n"
        "        0.55 2.5\n"
        "        0.75 0.5\n"
        "  - type: tabulated k\n"
        "    data: |\n"
        "        0.30 10\n"
        "        0.80 5\n"
        "CONDITIONS:\n"
        "    temperature: 293\n";
    const std::string unordered =
        "DATA:\n"
        "  - type: tabulated nk\n"
        "    data: \"0.7 4 6\\r\\n\\n 0.4 1 3\\r\\n\\t0.5 2 4\"\n";
    const Case cases[] = {
        {"red", nk, 0.650, 3.5, 5.5},
        {"green", nk, 0.510, 2.1, 4.1},
        {"blue", nk, 0.475, 1.75, 3.75},
        {"a tabulated wavelength", nk, 0.5, 2.0, 4.0},
        {"the first row", nk, 0.4, 1.0, 3.0},
        {"the last row", nk, 0.7, 4.0, 6.0},
        {"separate blocks, red", separate, 0.650, 1.5, 6.5},
        {"separate blocks, green", separate, 0.510, 2.1, 7.9},
        {"separate blocks, blue", separate, 0.475, 1.75, 8.25},
        {"rows in any order, CR LF and blank lines", unordered, 0.650, 3.5, 5.5},
    };
    for (const Case& c : cases) {
        const NkParse parse = ParseNkFile(c.text, kName);
        ASSERT_TRUE(parse.table) << c.what << ": " << parse.error;
        const auto values = At(*parse.table, c.wavelength);
        ASSERT_TRUE(values) << c.what;
        EXPECT_NEAR(values->first, c.n, 1e-12) << c.what;
        EXPECT_NEAR(values->second, c.k, 1e-12) << c.what;
    }
}

TEST(NkFile, NeverExtrapolates) {
    const NkParse parse = ParseNkFile(
        "DATA:\n  - type: tabulated nk\n    data: |\n      0.5 1 2\n      0.7 1.5 3\n", kName);
    ASSERT_TRUE(parse.table);
    for (double outside : {0.475, 0.4999, 0.7001, 2.0, -1.0, std::nan("")}) {
        EXPECT_FALSE(At(*parse.table, outside)) << outside;
    }
    EXPECT_FALSE(Interpolate({}, 0.5));
    EXPECT_EQ(Interpolate({{0.5, 7.0}}, 0.5), 7.0);  // one row: only its own wavelength
}

TEST(NkFile, RefusesWhatItCannotReadWithOneLineNamingTheFile) {
    struct Case {
        std::string text;
        std::string error;
    };
    const std::string block = "DATA:\n  - type: tabulated nk\n    data: |\n";
    const Case cases[] = {
        {"DATA:\n  - type: formula 2\n    wavelength_range: 0.2 2\n    coefficients: 0 1 0.1\n",
         "DATA block 1 (formula 2) is a dispersion formula; only tabulated n and k are read"},
        {"DATA:\n  - type: formula 1\n    coefficients: 0 1\n  - type: tabulated k\n"
         "    data: |\n      0.5 1\n",
         "DATA block 1 (formula 1) is a dispersion formula; only tabulated n and k are read"},
        {"DATA:\n  - type: tabulated n2\n    data: 0.5 1e-20\n",
         "DATA block 1 (tabulated n2) is not supported (valid: tabulated nk, tabulated n, "
         "tabulated k)"},
        {"REFERENCES: none\n", "no DATA list"},
        {"DATA: 3\n", "no DATA list"},
        {"- 1\n- 2\n", "not a database file (the top level is not a map)"},
        {"", "not a database file (the top level is not a map)"},
        {"DATA:\n  - data: 1 2 3\n", "DATA block 1 has no type"},
        {"DATA:\n  - 7\n", "DATA block 1 is not a map"},
        {"DATA:\n  - type: tabulated nk\n", "DATA block 1 (tabulated nk) has no data text"},
        {"DATA:\n  - type: tabulated nk\n    data: [1, 2]\n",
         "DATA block 1 (tabulated nk) has no data text"},
        {block + "      \n", "DATA block 1 (tabulated nk) has no data rows"},
        {block + "      0.5 1 2\n      0.6 1 2 3\n",
         "DATA block 1 (tabulated nk), data line 2: expected 3 numbers, found '0.6 1 2 3'"},
        {block + "      0.5 1 abc\n",
         "DATA block 1 (tabulated nk), data line 1: 'abc' is not a number"},
        {block + "      0.5 nan 2\n",
         "DATA block 1 (tabulated nk), data line 1: 'nan' is not a number"},
        {block + "      0.5 1 1e999\n",
         "DATA block 1 (tabulated nk), data line 1: '1e999' is not a number"},
        {block + "      0.5 1 -2\n",
         "DATA block 1 (tabulated nk), data line 1: n and k must not be negative"},
        {block + "      0 1 2\n",
         "DATA block 1 (tabulated nk), data line 1: the wavelength must be positive"},
        {block + "      0.5 1 2\n  - type: tabulated k\n    data: 0.5 2\n",
         "DATA block 2 (tabulated k) gives k a second time"},
        {"DATA:\n  - type: tabulated n\n    data: 0.5 2\n", "no tabulated k"},
        {"DATA:\n  - type: tabulated k\n    data: 0.5 2\n", "no tabulated n"},
        {"DATA: [\n", "not valid YAML (line 2, column 1: end of sequence flow not found)"},
    };
    for (const Case& c : cases) {
        const NkParse parse = ParseNkFile(c.text, kName);
        EXPECT_FALSE(parse.table) << c.text;
        EXPECT_EQ(parse.error, std::string(kName) + ": " + c.error) << c.text;
    }
}

TEST(NkFile, SurvivesHostileText) {
    const std::string hostile[] = {
        std::string(100000, '['),
        std::string(100000, '{') + "a",
        "DATA: &a [*a]\n",
        "a: &x [1]\nb: *x\nDATA: *x\n",
        "DATA: *undefined\n",
        std::string("DATA:\n  - type: tabulated nk\n    data: \"0.5\\0 1 2\"\n"),
        std::string("\xff\xfe\x00\x01garbage", 8),
        "%YAML 9.9\n---\nDATA: []\n",
        "DATA:\n" + std::string(50000, ' ') + "- x\n",
        "DATA: !!binary AAAA\n",
        "DATA:\n  - type: tabulated nk\n    data: |\n      " + std::string(10000, '9') + " 1 2\n",
    };
    for (const std::string& text : hostile) {
        const NkParse parse = ParseNkFile(text, kName);
        EXPECT_FALSE(parse.table) << text.substr(0, 60);
        EXPECT_EQ(parse.error.rfind(std::string(kName) + ": ", 0), 0u) << parse.error;
        EXPECT_EQ(parse.error.find('\n'), std::string::npos) << parse.error;
    }
}

}  // namespace
}  // namespace veltrane::tools
