// veltrane eval: options, their checks, and the report for people. The batch stream is
// batch_eval.cpp.
#include "tools/veltrane/eval_command.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "tools/veltrane/batch_eval.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/eval_report.h"
#include "tools/veltrane/install_layout.h"
#include "tools/veltrane/option_values.h"
#include "tools/veltrane/plugin_evaluator.h"
#include "tools/veltrane/preset_names.h"
#include "tools/veltrane/shown_text.h"

namespace veltrane::tools {
namespace {

// Option values as typed; they are checked after parsing so that every mistake gets a
// message of the same form.
struct EvalOptions : MetalOptionText {
    std::string angle, mu;
    bool batch = false;
    bool viaPlugin = false;
    std::string module = DefaultModulePath();
};

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
    Material material = ReadMaterial(o.preset, o.n, o.k);
    s.material = std::move(material.name);
    s.ior = material.ior;

    if (!o.angle.empty()) {
        s.angle = NumberOption("--angle", o.angle);
        s.mu = FacingFromDegrees(*s.angle);
    } else if (!o.mu.empty()) {
        s.mu = NumberOption("--mu", o.mu);
    } else {
        throw UsageError("missing view (valid: --angle DEG or --mu X)");
    }
    if (!o.hue.empty()) s.hue = NumberOption("--hue", o.hue);
    if (!o.sat.empty()) s.sat = NumberOption("--sat", o.sat);
    if (!o.gamma.empty()) s.gamma = NumberOption("--gamma", o.gamma);
    return s;
}

int PrintSample(const Sample& s, SampleEvaluator& evaluator) {
    PrintEvalReport(s.material, s, s.angle, evaluator.Evaluate(s));
    return FlushOutput("eval");
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
    CLI::App* eval =
        AddCommand(app, "eval",
                   "Colour of a metal at a viewing angle, as the texture computes it before the "
                   "host's output stage",
                   [options] { return RunEval(*options); });
    eval->footer(
        "Presets: " + MetalNameList() +
        " (any case; the first ten are the plug-in's presets, the others measured metals that\n"
        "the tools know; see 'veltrane presets').\n\n"
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

    const MetalOptionSet metal = AddMetalOptions(*eval, *options, "NAME", "Metal preset by name");
    CLI::Option* angle = AddTextOption(*eval, "--angle", options->angle, "DEG",
                                       "Angle between view and normal in degrees");
    CLI::Option* mu =
        AddTextOption(*eval, "--mu", options->mu, "X", "Facing value |N.V| instead of an angle");
    CLI::Option* batch =
        eval->add_flag("--batch", options->batch, "Evaluate lines of ten numbers from stdin");
    CLI::Option* viaPlugin = eval->add_flag("--via-plugin", options->viaPlugin,
                                            "Evaluate through the loaded plug-in module");
    AddTextOption(*eval, "--module", options->module, "FILE", "Plug-in module for --via-plugin")
        ->capture_default_str()
        ->needs(viaPlugin);

    angle->excludes(mu);
    for (CLI::Option* other :
         {metal.preset, metal.n, metal.k, angle, mu, metal.hue, metal.sat, metal.gamma}) {
        batch->excludes(other);
    }
}

}  // namespace veltrane::tools
