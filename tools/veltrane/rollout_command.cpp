#include "tools/veltrane/rollout_command.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <imtl.h>
#include <iparamb2.h>
#include <iparamm2.h>
#include <standin/material_editor.h>
#include <standin/module_loader.h>

#include "plugin/param_block.h"
#include "resources/resource.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/png_file.h"
#include "tools/veltrane/preset_names.h"

namespace veltrane::tools {
namespace {

struct RolloutOptions {
    std::string preset;
    std::string output;
    std::string module = VELTRANE_DEFAULT_MODULE;
};

// Lets the windows paint: handles every message that is waiting, a few times over.
void PumpMessages() {
    for (int round = 0; round < 20; ++round) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

// The window's client area as it is on screen, child controls included: BitBlt from its DC
// (PrintWindow under Wine draws the parent alone). RGB rows, top to bottom.
bool Capture(HWND window, int& width, int& height, std::vector<std::uint8_t>& rgb) {
    RECT box;
    GetClientRect(window, &box);
    width = box.right - box.left;
    height = box.bottom - box.top;
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied =
        bitmap != nullptr && BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
    if (copied) {
        const auto* bgra = static_cast<const std::uint8_t*>(bits);
        const std::size_t pixels =
            static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        rgb.resize(3 * pixels);
        for (std::size_t i = 0; i < pixels; ++i) {
            rgb[3 * i] = bgra[4 * i + 2];
            rgb[3 * i + 1] = bgra[4 * i + 1];
            rgb[3 * i + 2] = bgra[4 * i];
        }
    }
    SelectObject(memory, old);
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return copied;
}

int RunRollout(const RolloutOptions& o) {
    int preset = -1;
    if (o.preset == "custom" || o.preset == "Custom") {
        preset = 0;
    } else if (!o.preset.empty()) {
        const auto index = FindPresetByName(o.preset);
        if (!index) {
            throw UsageError("unknown preset '" + o.preset + "' (valid presets: custom, " +
                             PresetNameList() + ")");
        }
        preset = *index;
    }
    std::string error;
    const auto module = standin::Module::Load(o.module, &error);
    if (!module) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kUsageExit;
    }
    ClassDesc* desc = module->LibNumberClasses() > 0 ? module->LibClassDesc(0) : nullptr;
    auto* map = desc ? static_cast<Texmap*>(desc->Create(FALSE)) : nullptr;
    if (map == nullptr || map->GetParamBlock(0) == nullptr) {
        std::fprintf(stderr, "module '%s' creates no texture map\n", o.module.c_str());
        return kUsageExit;
    }
    if (preset >= 0) map->GetParamBlock(0)->SetValue(veltrane_params::kPreset, 0, preset);

    int status = 0;
    {
        standin::MaterialEditor editor;
        if (!IsWindow(editor.Window())) {
            std::fprintf(stderr, "veltrane rollout: no display to show windows on\n");
            status = 1;
        } else {
            editor.Show(map);
            auto* rollout = dynamic_cast<IParamMap2*>(editor.FindRollout(IDC_PRESET));
            HWND window = rollout ? rollout->GetHWnd() : nullptr;
            PumpMessages();
            int width = 0, height = 0;
            std::vector<std::uint8_t> rgb;
            if (window == nullptr || !Capture(window, width, height, rgb)) {
                std::fprintf(stderr, "veltrane rollout: cannot capture the rollout\n");
                status = 1;
            } else if (!WritePng(o.output, width, height, rgb)) {
                std::fprintf(stderr, "veltrane rollout: cannot write '%s'\n", o.output.c_str());
                status = 1;
            }
        }
    }
    map->DeleteThis();  // before the module that holds its code unloads
    return status;
}

}  // namespace

void AddRolloutCommand(CLI::App& app) {
    auto options = std::make_shared<RolloutOptions>();
    CLI::App* command = AddCommand(
        app, "rollout",
        "Show the texture's rollout in the material editor's real windows (needs a display)\n"
        "and save a screenshot of it as PNG.",
        [options] { return RunRollout(*options); });
    command
        ->add_option("--preset", options->preset,
                     "Metal preset shown (" + PresetNameList() + ", or custom); default copper")
        ->option_text("NAME");
    command->add_option("-o,--output", options->output, "PNG file to write")
        ->option_text("FILE.png")
        ->required();
    command->add_option("--module", options->module, "Plug-in module to load")->option_text("PATH");
}

}  // namespace veltrane::tools
