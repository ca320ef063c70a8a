// veltrane curves: the report of the largest differences, the warnings, and the picture.
#include "tools/veltrane/curves_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/param_store.h"
#include "tools/metals/closed_form_deviation.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/curves_plot.h"
#include "tools/veltrane/option_values.h"
#include "tools/veltrane/output_file.h"
#include "tools/veltrane/preset_names.h"

namespace veltrane::tools {
namespace {

struct CurvesOptions {
    std::string presets, n, k, output;
};

constexpr const char* kChannelNames[3] = {"red", "green", "blue"};

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

PictureFormat FormatOf(const std::string& path) {
    if (EndsWithIgnoringCase(path, ".svg")) return PictureFormat::kSvg;
    if (EndsWithIgnoringCase(path, ".png")) return PictureFormat::kPng;
    throw UsageError("-o: '" + path + "' names no picture format (valid extensions: .svg, .png)");
}

// Prints a line per channel and warns of each channel beyond the bound.
void Report(const std::vector<Material>& materials) {
    std::printf("%-16s %-6s %10s %10s %12s %10s\n", "metal", "chan", "n", "k", "largest diff",
                "at angle");
    for (const Material& m : materials) {
        for (int c = 0; c < 3; ++c) {
            const float n = m.ior.*kIorParamFields[c].field;
            const float k = m.ior.*kIorParamFields[c + 3].field;
            const Deviation d = ClosedFormDeviation(n, k);
            std::printf("%-16s %-6s %10.6g %10.6g %12.4f %6.1f deg\n", m.name.c_str(),
                        kChannelNames[c], double{n}, double{k}, d.largest, d.degrees);
            if (d.largest <= kClosedFormBound) continue;
            std::fprintf(stderr,
                         "veltrane curves: warning: %s %s (n %g, k %g): the closed form is off "
                         "by %.4f at %.1f deg, beyond %g",
                         m.name.c_str(), kChannelNames[c], double{n}, double{k}, d.largest,
                         d.degrees, kClosedFormBound);
            const std::string cause(PoorApproximationCause(n, k));
            std::fprintf(stderr, "%s\n", cause.empty() ? "" : ("; poor where " + cause).c_str());
        }
    }
}

int RunCurves(const CurvesOptions& o) {
    const std::vector<Material> materials = ReadMaterials(o.presets, o.n, o.k);
    std::optional<PictureFormat> format;
    std::unique_ptr<OutputFile> out;
    if (!o.output.empty()) {
        format = FormatOf(o.output);
        out = std::make_unique<OutputFile>("-o", o.output);
    }
    Report(materials);
    if (FlushOutput("curves") != 0) return 1;
    if (!out) return 0;
    try {
        if (!DrawCurves(materials, *format, *out)) {
            throw std::runtime_error("cannot write '" + o.output + "'");
        }
        out->Commit();
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "veltrane curves: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace

void AddCurvesCommand(CLI::App& app) {
    auto options = std::make_shared<CurvesOptions>();
    CLI::App* curves = AddCommand(
        app, "curves",
        "Reflectance against the angle of incidence per channel: the map's closed form beside "
        "the exact Fresnel formula",
        [options] { return RunCurves(*options); });
    curves->footer(
        "Prints, per metal and channel, the largest absolute difference between the map's\n"
        "closed form and the exact unpolarised Fresnel reflectance over 0 to 90 degrees (steps\n"
        "of 0.1 degree) and the angle where it occurs. A channel off by more than 0.01 gets a\n"
        "warning on standard error; the closed form is poor where k is near 0 and where n < 1\n"
        "with small k. With -o the curves are drawn, one panel per metal: solid the map,\n"
        "dashed the exact value, and below their difference.\n\n"
        "Presets: " +
        MetalNameList() +
        ", or all.\n\n"
        "Examples:\n"
        "  veltrane curves --preset copper -o copper.png\n"
        "  veltrane curves --preset gold,silver,copper -o coloured.svg\n"
        "  veltrane curves --n 1.5,1.5,1.5 --k 0,0,0\n");
    CLI::Option* preset =
        curves->add_option("--preset", options->presets, "Metals by name, comma-separated, or all")
            ->type_name("NAME[,NAME...]|all");
    CLI::Option* n = curves->add_option("--n", options->n, "Real part of the index per channel")
                         ->type_name("R,G,B");
    CLI::Option* k = curves->add_option("--k", options->k, "Extinction coefficient per channel")
                         ->type_name("R,G,B");
    curves->add_option("-o,--output", options->output, "Picture to write (.svg or .png)")
        ->type_name("FILE");
    preset->excludes(n)->excludes(k);
    n->needs(k);
    k->needs(n);
}

}  // namespace veltrane::tools
