// veltrane presets: one row per metal of the table in three formats. The colour at normal
// incidence is the map's colour seen head-on: ((n-1)^2 + k^2) / ((n+1)^2 + k^2) per channel.
#include "tools/veltrane/presets_command.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/metals/artist_mapping.h"
#include "tools/metals/metal_table.h"
#include "tools/metals/srgb.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/data_folder.h"
#include "tools/veltrane/json_numbers.h"
#include "tools/veltrane/nk_input.h"
#include "tools/veltrane/number_text.h"
#include "tools/veltrane/option_values.h"
#include "tools/veltrane/point_sample_notes.h"
#include "tools/veltrane/spectral_metal.h"

namespace veltrane::tools {
namespace {

using Triple = std::array<double, 3>;

// The data folder and its CIE tables.
struct DataSet {
    std::string folder;
    CieTables tables;
};

// The colours of a metal integrated over the spectrum of its source's database file, or why
// the file gives none (its data does not cover the visible range).
struct Spectral {
    std::string file;
    Triple f0, edge;  // linear sRGB at mu = 1 and 1/7, before clipping
    std::string unavailable;
};

// A metal with the values derived for the listing.
struct Row {
    const Metal* metal;
    std::array<std::string, 3> n, k;  // shortest decimals of the floats
    Triple f0, edgeTint;
    std::array<int, 3> srgb8;
    std::optional<Spectral> spectral;  // only where the source's file is shipped
    // The values the file gives otherwise, where it is shipped.
    std::optional<std::vector<SampleDifference>> differences;
    std::vector<std::string> warnings;  // about the file's data
};

// The file of the metal's source page in the data folder's nk/, if it is there.
std::optional<std::string> SourceFile(const Metal& metal, const std::optional<DataSet>& data) {
    if (!data) return std::nullopt;
    const std::string path = data->folder + "/nk/" + std::string(metal.page);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) return std::nullopt;
    return path;
}

// The spectral colours of a metal from its source's file, and warnings about its data. A file
// that does not cover the visible range leaves this one metal without them, with a warning,
// not the whole listing.
Spectral SpectralOf(const NkTable& table, const DataSet& data, const std::string& path,
                    std::vector<std::string>& warnings) {
    const SpectralNkResult resampled = ResampleNk(table, data.tables, path);
    if (!resampled.nk) {
        warnings.push_back("no spectral colour: " + resampled.error);
        return Spectral{path, {}, {}, resampled.error};
    }
    NoteHeldEnds(*resampled.nk, path, warnings);
    return Spectral{path, SpectralColour(data.tables, *resampled.nk, 1.0),
                    SpectralColour(data.tables, *resampled.nk, kEdgeFacing), ""};
}

Row MakeRow(const Metal& metal, const std::optional<DataSet>& data) {
    Row row{&metal, {}, {}, {}, {}, {}, std::nullopt, std::nullopt, {}};
    if (const std::optional<std::string> path = SourceFile(metal, data)) {
        const NkTable table = LoadNkTable(*path);
        row.spectral = SpectralOf(table, *data, *path, row.warnings);
        row.differences = DifferencesFromFile(metal, table);
    }
    for (std::size_t c = 0; c < 3; ++c) {
        const float n = metal.ior.n(c);
        const float k = metal.ior.k(c);
        const ArtistChannel artist = ArtistFromIor(n, k);
        row.n[c] = ShortestText(n);
        row.k[c] = ShortestText(k);
        row.f0[c] = artist.reflectivity;
        row.edgeTint[c] = artist.edgeTint;
        row.srgb8[c] = SrgbByte(artist.reflectivity);
    }
    return row;
}

std::string Colour(double value) {
    return FixedText(value, kColourDecimals);
}

template <typename T, typename Format>
std::string Joined(const std::array<T, 3>& values, const char* separator, Format format) {
    return format(values[0]) + separator + format(values[1]) + separator + format(values[2]);
}

std::string Same(const std::string& s) {
    return s;
}

std::string Integer(int value) {
    return std::to_string(value);
}

std::string SpectralText(const std::optional<Spectral>& spectral, Triple Spectral::*colour,
                         const char* separator) {
    if (!spectral) return "absent";
    if (!spectral->unavailable.empty()) return "out of range";
    return Joined((*spectral).*colour, separator, Colour);
}

// The differences of a row from its file, "; " between them; empty where there are none.
std::string DifferenceText(const Row& row) {
    std::string text;
    if (!row.differences) return text;
    for (const SampleDifference& d : *row.differences) {
        text += (text.empty() ? "" : "; ") + DescribeDifference(d);
    }
    return text;
}

// Below the table: the metals whose listed n, k are not what their shipped file gives.
void PrintDifferenceNotes(const std::vector<Row>& rows) {
    bool first = true;
    for (const Row& r : rows) {
        const std::string text = DifferenceText(r);
        if (text.empty()) continue;
        if (first) {
            std::printf(
                "\nValues that are not their source file's point sample to five significant\n"
                "digits (the plug-in's presets keep theirs):\n");
            first = false;
        }
        std::printf("  %-16s %s\n", std::string(r.metal->name).c_str(), text.c_str());
    }
}

void PrintTable(const std::vector<Row>& rows) {
    std::printf("%-16s %-6s %-26s %-26s %-26s %-13s %-26s %-26s %-26s %s\n", "name", "preset",
                "n (R G B)", "k (R G B)", "f0 linear", "f0 sRGB", "edge tint", "spectral f0",
                "spectral edge", "source");
    for (const Row& r : rows) {
        const Metal& metal = *r.metal;
        const std::string preset = metal.presetIndex ? std::to_string(metal.presetIndex) : "-";
        std::printf("%-16s %-6s %-26s %-26s %-26s %-13s %-26s %-26s %-26s %s\n",
                    std::string(metal.name).c_str(), preset.c_str(), Joined(r.n, " ", Same).c_str(),
                    Joined(r.k, " ", Same).c_str(), Joined(r.f0, " ", Colour).c_str(),
                    Joined(r.srgb8, " ", Integer).c_str(), Joined(r.edgeTint, " ", Colour).c_str(),
                    SpectralText(r.spectral, &Spectral::f0, " ").c_str(),
                    SpectralText(r.spectral, &Spectral::edge, " ").c_str(),
                    std::string(metal.source).c_str());
    }
    PrintDifferenceNotes(rows);
}

// A CSV field, quoted when it holds a comma or a quote (which is doubled).
std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The spectral columns of a CSV row: empty fields where the metal has no spectral colour.
std::string SpectralCsv(const std::optional<Spectral>& spectral) {
    if (!spectral || !spectral->unavailable.empty()) return ",,,,,";
    return Joined(spectral->f0, ",", Colour) + "," + Joined(spectral->edge, ",", Colour);
}

void PrintCsv(const std::vector<Row>& rows) {
    std::printf(
        "name,display_name,preset,n_r,n_g,n_b,k_r,k_g,k_b,f0_r,f0_g,f0_b,srgb8_r,srgb8_g,srgb8_b,"
        "edge_tint_r,edge_tint_g,edge_tint_b,source,database_page,spectral_f0_r,spectral_f0_g,"
        "spectral_f0_b,spectral_edge_r,spectral_edge_g,spectral_edge_b,file_differences\n");
    for (const Row& r : rows) {
        const Metal& metal = *r.metal;
        std::printf("%s,%s,%d,%s,%s,%s,%s,%s,%s,%s,%s,%s\n", CsvField(metal.name).c_str(),
                    CsvField(metal.displayName).c_str(), metal.presetIndex,
                    Joined(r.n, ",", Same).c_str(), Joined(r.k, ",", Same).c_str(),
                    Joined(r.f0, ",", Colour).c_str(), Joined(r.srgb8, ",", Integer).c_str(),
                    Joined(r.edgeTint, ",", Colour).c_str(), CsvField(metal.source).c_str(),
                    CsvField(metal.page).c_str(), SpectralCsv(r.spectral).c_str(),
                    CsvField(DifferenceText(r)).c_str());
    }
}

nlohmann::ordered_json ColourNumbers(const Triple& values) {
    return JsonNumbers({Colour(values[0]), Colour(values[1]), Colour(values[2])});
}

nlohmann::ordered_json SpectralJson(const std::optional<Spectral>& spectral) {
    if (!spectral) return nullptr;
    if (!spectral->unavailable.empty()) {
        return {{"file", spectral->file}, {"unavailable", spectral->unavailable}};
    }
    return {{"file", spectral->file},
            {"f0_linear", ColourNumbers(spectral->f0)},
            {"edge_linear", ColourNumbers(spectral->edge)}};
}

std::string SixDigits(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

// The values that differ from the file, [] where none do, null where the file is absent.
nlohmann::ordered_json DifferencesJson(const Row& row) {
    if (!row.differences) return nullptr;
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const SampleDifference& d : *row.differences) {
        nlohmann::ordered_json file = nullptr;
        if (d.file) file = std::stod(SixDigits(*d.file));
        list.push_back({{"parameter", d.parameter},
                        {"value", std::stod(ShortestText(d.value))},
                        {"file", file}});
    }
    return list;
}

void PrintJson(const std::vector<Row>& rows) {
    nlohmann::ordered_json metals = nlohmann::ordered_json::array();
    for (const Row& r : rows) {
        const Metal& metal = *r.metal;
        metals.push_back({
            {"name", metal.name},
            {"display_name", metal.displayName},
            {"preset", metal.presetIndex},
            {"n", JsonNumbers(r.n)},
            {"k", JsonNumbers(r.k)},
            {"f0_linear", ColourNumbers(r.f0)},
            {"f0_srgb8", r.srgb8},
            {"edge_tint", ColourNumbers(r.edgeTint)},
            {"source", metal.source},
            {"database_page", metal.page},
            {"spectral", SpectralJson(r.spectral)},
            {"file_differences", DifferencesJson(r)},
        });
    }
    std::printf("%s\n", metals.dump(2).c_str());
}

struct PresetsOptions {
    std::string format = "table";
    std::string data;
};

int RunPresets(const PresetsOptions& o) {
    if (o.format != "table" && o.format != "csv" && o.format != "json") {
        RefuseChoice("--format", o.format, "a format", "table, csv, json");
    }
    std::optional<DataSet> data;
    if (auto folder = FindDataFolderIfAny(o.data)) data = DataSet{*folder, LoadCieTables(*folder)};
    std::vector<Row> rows;
    for (const Metal& metal : Metals()) rows.push_back(MakeRow(metal, data));
    if (o.format == "table") {
        PrintTable(rows);
    } else if (o.format == "csv") {
        PrintCsv(rows);
    } else {
        PrintJson(rows);
    }
    // Warnings follow a listing that was written whole, so that a failed write gives its
    // one line alone.
    if (const int status = FlushOutput("presets"); status != 0) return status;
    for (const Row& r : rows) {
        for (const std::string& warning : r.warnings) {
            std::fprintf(stderr, "veltrane presets: warning: %s: %s\n",
                         std::string(r.metal->name).c_str(), warning.c_str());
        }
    }
    return 0;
}

}  // namespace

void AddPresetsCommand(CLI::App& app) {
    auto options = std::make_shared<PresetsOptions>();
    CLI::App* presets = AddCommand(
        app, "presets",
        "Every metal the tools know: n, k, source, colour at normal incidence and edge tint",
        [options] { return RunPresets(*options); });
    presets->footer(
        "Rows 1 to 10 are the plug-in's presets (column preset gives the index; 0 or '-' for\n"
        "the further measured metals, which the tools accept by name wherever they take\n"
        "--preset). n and k are per channel at 0.650, 0.510 and 0.475 um. f0 is the colour at\n"
        "normal incidence, linear and as 8-bit sRGB; edge tint is the artist mapping's g\n"
        "(Gulbrandsen 2014).\n\n"
        "spectral f0 and spectral edge are the colours a spectral renderer shows head-on and\n"
        "at mu = 1/7 (linear sRGB before clipping; see 'veltrane nk --spectral'). They are\n"
        "computed from the database file of the metal's source page, read from nk/PAGE in the\n"
        "data folder (--data, $VELTRANE_DATA, the installed or the source data folder), and\n"
        "shown as 'absent' (empty in CSV, null in JSON) where that file is not there. The\n"
        "files of every listed metal's source are shipped with the data folder. Data that\n"
        "does not cover 400 to 700 nm gives 'out of range' (empty in CSV, the reason as\n"
        "\"unavailable\" in JSON).\n\n"
        "Where a file is there, each n and k is also compared with the file's linear\n"
        "interpolation at its wavelength; values that differ from it in five significant\n"
        "digits are listed below the table (file_differences in CSV and JSON). The plug-in's\n"
        "presets keep their own values.\n");
    presets->add_option("--data", options->data, "Data folder (CIE tables and nk/ files)")
        ->type_name("DIR");
    presets->add_option("--format", options->format, "Output format: table, csv or json")
        ->type_name("FORMAT")
        ->capture_default_str();
}

}  // namespace veltrane::tools
