// veltrane preview: options and their checks, then the maps, the render and the picture.
#include "tools/veltrane/preview_command.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/param_store.h"
#include "core/presets.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/ignoring_case.h"
#include "tools/veltrane/install_layout.h"
#include "tools/veltrane/option_values.h"
#include "tools/veltrane/preset_names.h"
#include "tools/veltrane/preview_image.h"
#include "tools/veltrane/preview_render.h"
#include "tools/veltrane/progress_bar.h"

namespace veltrane::tools {
namespace {

constexpr int kMinSize = 16;
constexpr int kMaxSize = 1024;
constexpr int kDefaultSize = 256;
constexpr int kMaxThreads = 256;
constexpr const char* kAllPresets = "all";

// Option values as typed; checked after parsing so that every mistake gets a message of
// the same form.
struct PreviewOptions : MetalOptionText {
    std::string size, threads, output;
    bool lit = false;
    std::string module = DefaultModulePath();
};

int DefaultThreads() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

std::string Capitalised(std::string name) {
    if (!name.empty())
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

// The metals to show: the ten presets for "all", else the one named (copper, the map's
// default, when none is).
std::vector<Material> ReadMetals(const PreviewOptions& o) {
    if (o.preset == kAllPresets) {
        std::vector<Material> all;
        for (int i = kPresetFirstMetal; i <= kPresetLastMetal; ++i) {
            all.push_back(ReadMaterial(std::string(PresetName(i)), "", ""));
        }
        return all;
    }
    if (!o.preset.empty() && !FindMetalByName(o.preset)) {
        throw UsageError("unknown preset '" + o.preset + "' (valid presets: " + MetalNameList() +
                         ", or " + kAllPresets + ")");
    }
    if (o.preset.empty() && o.n.empty()) {
        return {ReadMaterial(std::string(PresetName(kPresetDefault)), "", "")};
    }
    return {ReadMaterial(o.preset, o.n, o.k)};
}

// A value of parameter id, checked against the range the plug-in declares for it.
void SetChecked(PluginTexmap& map, int id, const std::string& option, const std::string& text) {
    if (text.empty()) return;
    const auto [low, high] = map.ParamRange(id);
    map.SetParam(id, NumberOptionIn(option, text, low, high));
}

// Custom values, each checked against the range the plug-in declares for its parameter.
void CheckIor(const PluginTexmap& map, const Material& metal, const PreviewOptions& o) {
    for (const IorParamField& p : kIorParamFields) {
        const bool isN = p.id <= kParamNB;
        const auto [low, high] = map.ParamRange(p.id);
        CheckOptionRange(isN ? "--n" : "--k", isN ? o.n : o.k, metal.ior.*p.field, low, high);
    }
}

// One texture map per metal, set up through its block as the user would and updated as the
// host does before rendering.
std::vector<std::unique_ptr<PluginTexmap>> OpenMaps(const std::vector<Material>& metals,
                                                    const PreviewOptions& o) {
    std::vector<std::unique_ptr<PluginTexmap>> maps;
    for (const Material& metal : metals) {
        std::string error;
        std::unique_ptr<PluginTexmap> map = PluginTexmap::Open(o.module, &error);
        if (!map) throw UsageError(error);
        // The plug-in's own metals are chosen in its preset list; any other metal's values
        // are typed in as Custom, as a user would.
        if (metal.preset >= kPresetFirstMetal && metal.preset <= kPresetLastMetal) {
            map->SelectPreset(metal.preset);
        } else {
            if (metal.name == "custom") CheckIor(*map, metal, o);
            map->SetCustomIor(metal.ior);
        }
        SetChecked(*map, kParamHue, "--hue", o.hue);
        SetChecked(*map, kParamSat, "--sat", o.sat);
        SetChecked(*map, kParamGamma, "--gamma", o.gamma);
        map->Update();
        maps.push_back(std::move(map));
    }
    return maps;
}

int RunPreview(const PreviewOptions& o) {
    const int size =
        o.size.empty() ? kDefaultSize : WholeOptionIn("--size", o.size, kMinSize, kMaxSize);
    const int threads = o.threads.empty() ? DefaultThreads()
                                          : WholeOptionIn("--threads", o.threads, 1, kMaxThreads);
    if (!EndsWithIgnoringCase(o.output, ".png")) {
        throw UsageError("-o: '" + o.output +
                         "' is no PNG file name (valid: a name ending in .png)");
    }
    const std::vector<Material> metals = ReadMetals(o);
    const std::vector<std::unique_ptr<PluginTexmap>> maps = OpenMaps(metals, o);
    OutputFile out("-o", o.output);  // before the render: a bad path fails at once

    std::vector<const PluginTexmap*> sources;
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < maps.size(); ++i) {
        sources.push_back(maps[i].get());
        if (metals.size() > 1) labels.push_back(Capitalised(metals[i].name));
    }
    try {
        SlotPixels pixels;
        {
            ProgressBar bar(stderr);
            pixels = RenderSlots(sources, size, o.lit ? SlotShading::kLitMetal : SlotShading::kMap,
                                 threads, [&bar](double done) { bar.Show(done); });
        }
        WritePreviewPng(pixels, labels, out);
    } catch (const std::exception& e) {
        // Out of memory, no threads, a full disk: no mistake of the caller's.
        std::cerr << "veltrane preview: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

void AddPreviewCommand(CLI::App& app) {
    auto options = std::make_shared<PreviewOptions>();
    CLI::App* preview = AddCommand(
        app, "preview",
        "Picture of the material editor's sample slot: a sphere with the map, rendered through "
        "the plug-in module",
        [options] { return RunPreview(*options); });
    preview->footer(
        "Presets: " + PresetNameList() +
        " (any case), or 'all' for the ten metals in a labelled grid.\n\n"
        "The module is loaded and driven as a host drives it: the class descriptor creates one\n"
        "texture map per metal, the options are set through its parameter block, Update runs on\n"
        "the main thread, then --threads render threads call EvalColor at once, each sample with\n"
        "its own shading context (the sphere's normal, the view direction).\n\n"
        "The sphere is seen head-on by an orthographic camera over a checker background; pixels\n"
        "on its outline average 4 x 4 samples. Colours are written as 8-bit sRGB. Without --lit\n"
        "the picture shows the map's colour itself: the reflectance at normal incidence in the\n"
        "centre, rising to white at the rim. --lit uses the map as the specular colour of a\n"
        "polished metal mirroring a neutral studio: dark floor, bright horizon, dimmer sky and\n"
        "one soft key light above left.\n\n"
        "Examples:\n"
        "  veltrane preview --preset all -o presets.png\n"
        "  veltrane preview --preset gold --lit --size 512 -o gold.png\n"
        "  veltrane preview --n 0.2,0.9,1.1 --k 3.9,2.4,2.2 --hue 20 -o custom.png\n");

    AddMetalOptions(*preview, *options, "NAME|all", "Metal preset, or all ten (default copper)");
    AddTextOption(*preview, "--size", options->size, "PX",
                  "Width and height of a slot in pixels, 16 to 1024 (default 256)");
    AddTextOption(*preview, "--threads", options->threads, "N",
                  "Render threads, 1 to 256 (default: the hardware's, " +
                      std::to_string(DefaultThreads()) + ")");
    preview->add_flag("--lit", options->lit, "Show the map as the specular colour of a lit metal");
    AddTextOption(*preview, "-o,--output", options->output, "FILE.png", "The picture to write")
        ->required();
    AddTextOption(*preview, "--module", options->module, "FILE", "Plug-in module")
        ->capture_default_str();
}

}  // namespace veltrane::tools
