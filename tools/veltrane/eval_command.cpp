// veltrane eval: options, their checks, and the report for people. The batch stream is
// batch_eval.cpp.
#include "tools/veltrane/eval_command.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "core/presets.h"
#include "tools/veltrane/batch_eval.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/number_parsing.h"
#include "tools/veltrane/plugin_evaluator.h"
#include "tools/veltrane/preset_names.h"
#include "tools/veltrane/shown_text.h"

namespace veltrane::tools {
namespace {

// Option values as typed; they are checked after parsing so that every mistake gets a
// message of the same form.
struct EvalOptions {
    std::string preset, n, k, angle, mu, hue, sat, gamma;
    bool batch = false;
    bool viaPlugin = false;
    std::string module = VELTRANE_DEFAULT_MODULE;
};

std::string NotANumber(const std::string& text) {
    return "'" + Shown(text) + "' is not a number (valid: a decimal such as -12.5 or 1e-3, nan, inf)";
}

std::string NotATriple(const std::string& text) {
    return "'" + Shown(text) + "' is not three numbers (valid: R,G,B such as 0.27,0.98,1.22)";
}

std::string UnknownPreset(const std::string& name) {
    return "unknown preset '" + Shown(name) + "' (valid presets: " + PresetNameList() + ")";
}

float Number(const std::string& option, const std::string& text) {
    if (const auto value = ParseFloat(text)) return *value;
    throw UsageError(option + ": " + NotANumber(text));
}

std::array<float, 3> Triple(const std::string& option, const std::string& text) {
    if (const auto values = ParseTriple(text)) return *values;
    throw UsageError(option + ": " + NotATriple(text));
}

// An option given an empty value was given, not left out: refused with the message of the
// check its value would fail, instead of falling back to the default.
CLI::Validator NotEmpty(const std::string& message) {
    return CLI::Validator(
        [message](std::string& value) { return value.empty() ? message : std::string(); }, "");
}

constexpr double kPi = 3.14159265358979323846;

// |cos| of an angle in degrees, exact where people expect it: 0 at 90 degrees.
float FacingFromDegrees(float degrees) {
    const double reduced = std::fmod(static_cast<double>(degrees), 180.0);
    if (reduced == 90.0 || reduced == -90.0) return 0.0f;
    return static_cast<float>(std::fabs(std::cos(reduced * (kPi / 180.0))));
}

struct Sample : SampleInput {
    std::string material;  // "copper" or "custom"
    std::optional<float> angle;
};

Sample ReadSample(const EvalOptions& o) {
    Sample s;
    if (!o.preset.empty()) {
        const auto index = FindPresetByName(o.preset);
        if (!index) {
            throw UsageError(UnknownPreset(o.preset));
        }
        s.material = std::string(PresetName(*index));
        s.ior = FindMetalPreset(*index)->ior;
    } else if (!o.n.empty() && !o.k.empty()) {
        const auto n = Triple("--n", o.n);
        const auto k = Triple("--k", o.k);
        s.material = "custom";
        s.ior = {n[0], n[1], n[2], k[0], k[1], k[2]};
    } else {
        throw UsageError("missing material (valid: --preset NAME, or --n R,G,B with --k R,G,B)");
    }

    if (!o.angle.empty()) {
        s.angle = Number("--angle", o.angle);
        s.mu = FacingFromDegrees(*s.angle);
    } else if (!o.mu.empty()) {
        s.mu = Number("--mu", o.mu);
    } else {
        throw UsageError("missing view (valid: --angle DEG or --mu X)");
    }
    if (!o.hue.empty()) s.hue = Number("--hue", o.hue);
    if (!o.sat.empty()) s.sat = Number("--sat", o.sat);
    if (!o.gamma.empty()) s.gamma = Number("--gamma", o.gamma);
    return s;
}

int PrintSample(const Sample& s, SampleEvaluator& evaluator) {
    const AColor c = evaluator.Evaluate(s);
    const float mono = Mono(c);

    std::printf("material  %s\n", s.material.c_str());
    std::printf("n         %.6g %.6g %.6g\n", double{s.ior.nR}, double{s.ior.nG}, double{s.ior.nB});
    std::printf("k         %.6g %.6g %.6g\n", double{s.ior.kR}, double{s.ior.kG}, double{s.ior.kB});
    if (s.angle) {
        std::printf("view      %.6g degrees from the normal (mu %.6g)\n", double{*s.angle},
                    double{s.mu});
    } else {
        std::printf("view      mu %.6g\n", double{s.mu});
    }
    std::printf("adjust    hue %.6g, sat %.6g, gamma %.6g\n", double{s.hue}, double{s.sat},
                double{s.gamma});
    std::printf("colour    %.6f %.6f %.6f (alpha %.6g)\n", double{c.r}, double{c.g}, double{c.b},
                double{c.a});
    std::printf("mono      %.6f\n", double{mono});
    if (std::fflush(stdout) != 0) {
        std::perror("veltrane eval: cannot write the output");
        return 1;
    }
    return 0;
}

// The core itself, or the plug-in module loaded as a host loads it.
std::unique_ptr<SampleEvaluator> MakeEvaluator(const EvalOptions& options) {
    if (!options.viaPlugin) return std::make_unique<CoreEvaluator>();
    std::string error;
    std::unique_ptr<PluginEvaluator> plugin = PluginEvaluator::Open(options.module, &error);
    if (!plugin) throw UsageError(Escaped(error));
    return plugin;
}

int RunEval(const EvalOptions& options) {
    if (options.batch) {
        const std::unique_ptr<SampleEvaluator> evaluator = MakeEvaluator(options);
        return RunBatch(STDIN_FILENO, STDOUT_FILENO, stderr, *evaluator);
    }
    const Sample sample = ReadSample(options);  // usage errors before the module loads
    const std::unique_ptr<SampleEvaluator> evaluator = MakeEvaluator(options);
    return PrintSample(sample, *evaluator);
}

}  // namespace

void AddEvalCommand(CLI::App& app) {
    auto options = std::make_shared<EvalOptions>();
    CLI::App* eval = AddCommand(
        app, "eval",
        "Colour of a metal at a viewing angle, as the texture computes it before the "
        "host's output stage",
        [options] { return RunEval(*options); });
    eval->footer(
        "Presets: " + PresetNameList() +
        " (any case).\n\n"
        "--batch reads lines 'nR nG nB kR kG kB mu hue sat gamma' from standard input and\n"
        "writes 'r g b a' per line, each as %.9g of the float. Blank lines and lines starting\n"
        "with # are skipped; any other line that is not ten numbers stops the run with\n"
        "'line N: expected 10 numbers, ...' naming what was found, and exit status 2.\n\n"
        "Examples:\n"
        "  veltrane eval --preset copper --angle 45\n"
        "  veltrane eval --n 0.2,0.9,1.1 --k 3.9,2.4,2.2 --mu 0.5 --hue 20 --sat 10 --gamma 2.2\n"
        "  printf '0.27 0.98 1.22 3.61 2.37 2.29 1 0 0 1\\n' | veltrane eval --batch\n\n"
        "--via-plugin computes the same colours through the plug-in module, loaded and driven\n"
        "as a host drives it (class descriptor, parameter block, Update, EvalColor with the\n"
        "identity output stage); both ways agree bit for bit.\n");

    const auto addOption = [eval](const char* name, std::string& value, const char* valueName,
                                  const char* description, const std::string& ifEmpty) {
        return eval->add_option(name, value, description)
            ->type_name(valueName)
            ->check(NotEmpty(ifEmpty));
    };
    const std::string notANumber = NotANumber("");
    CLI::Option* preset = addOption("--preset", options->preset, "NAME", "Metal preset by name",
                                    UnknownPreset(""));
    CLI::Option* n = addOption("--n", options->n, "R,G,B", "Real part of the index per channel",
                               NotATriple(""));
    CLI::Option* k = addOption("--k", options->k, "R,G,B", "Extinction coefficient per channel",
                               NotATriple(""));
    CLI::Option* angle = addOption("--angle", options->angle, "DEG",
                                   "Angle between view and normal in degrees", notANumber);
    CLI::Option* mu = addOption("--mu", options->mu, "X", "Facing value |N.V| instead of an angle",
                                notANumber);
    CLI::Option* hue =
        addOption("--hue", options->hue, "H", "Hue shift in degrees (default 0)", notANumber);
    CLI::Option* sat = addOption("--sat", options->sat, "S",
                                 "Saturation change in percent (default 0)", notANumber);
    CLI::Option* gamma = addOption("--gamma", options->gamma, "G",
                                   "Exponent applied to each channel (default 1)", notANumber);
    CLI::Option* batch =
        eval->add_flag("--batch", options->batch, "Evaluate lines of ten numbers from stdin");
    CLI::Option* viaPlugin = eval->add_flag(
        "--via-plugin", options->viaPlugin, "Evaluate through the loaded plug-in module");
    addOption("--module", options->module, "FILE", "Plug-in module for --via-plugin",
              "'' is no module file")
        ->capture_default_str()
        ->needs(viaPlugin);

    preset->excludes(n)->excludes(k);
    n->needs(k);
    k->needs(n);
    angle->excludes(mu);
    for (CLI::Option* other : {preset, n, k, angle, mu, hue, sat, gamma}) batch->excludes(other);
}

}  // namespace veltrane::tools
