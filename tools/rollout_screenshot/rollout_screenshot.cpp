// veltrane-rollout-screenshot: shows the texture's rollout in the stand-in material editor
// as real windows (Windows build, a display needed: scripts/rollout-screenshot runs it under
// Wine and Xvfb) and saves a screenshot of it as PNG, the picture in the README.
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

#include <CLI/CLI.hpp>

#include "core/param_ids.h"
#include "tools/veltrane/command_line.h"
#include "tools/veltrane/output_file.h"
#include "tools/veltrane/png_file.h"
#include "tools/veltrane/preset_names.h"

namespace veltrane::tools {
namespace {

constexpr const char* kProgram = "veltrane-rollout-screenshot";

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

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return status;
}

int RunRollout(const RolloutOptions& o) {
    int preset = -1;
    if (!o.preset.empty()) {
        const auto index = FindPresetOrCustomByName(o.preset);
        if (!index) {
            return Fail("--preset: unknown preset '" + o.preset + "' (valid presets: custom, " +
                            PresetNameList() + ")",
                        kUsageExit);
        }
        preset = *index;
    }
    // Created before the windows open: a bad path fails at once and leaves nothing.
    std::unique_ptr<OutputFile> out;
    try {
        out = std::make_unique<OutputFile>("-o", o.output);
    } catch (const UsageError& e) {
        return Fail(e.what(), kUsageExit);
    }
    std::string error;
    const auto module = standin::Module::Load(o.module, &error);
    if (!module) return Fail(error, kUsageExit);
    ClassDesc* desc = module->LibNumberClasses() > 0 ? module->LibClassDesc(0) : nullptr;
    auto* map = desc ? static_cast<Texmap*>(desc->Create(FALSE)) : nullptr;
    IParamBlock2* block = map ? map->GetParamBlock(0) : nullptr;
    if (block == nullptr) {
        if (map) map->DeleteThis();
        return Fail("module '" + o.module + "' creates no texture map", kUsageExit);
    }
    if (preset >= 0) block->SetValue(kParamPreset, 0, preset);

    int status = 0;
    {
        standin::MaterialEditor editor;
        if (!IsWindow(editor.Window())) {
            status = Fail("no display to show windows on", 1);
        } else {
            editor.Show(map);
            // The rollout of the "params" block: the map's parameter map once shown.
            IParamMap2* rollout = block->GetMap(0);
            HWND window = rollout ? rollout->GetHWnd() : nullptr;
            PumpMessages();
            int width = 0, height = 0;
            std::vector<std::uint8_t> rgb;
            if (window == nullptr || !Capture(window, width, height, rgb)) {
                status = Fail("cannot capture the rollout", 1);
            } else {
                const std::vector<std::uint8_t> png = EncodePng(width, height, rgb);
                try {
                    out->Write(png.data(), png.size());
                    out->Commit();
                } catch (const std::runtime_error& e) {
                    status = Fail(e.what(), 1);
                }
            }
        }
    }
    map->DeleteThis();  // before the module that holds its code unloads
    return status;
}

}  // namespace
}  // namespace veltrane::tools

int main(int argc, char** argv) {
    using namespace veltrane::tools;
    RolloutOptions options;
    CLI::App app{
        "Shows the texture's rollout in the material editor's real windows (needs a display) "
        "and saves a screenshot of it as PNG.",
        kProgram};
    app.add_option("--preset", options.preset,
                   "Metal preset shown (" + PresetNameList() + ", or custom); default copper")
        ->option_text("NAME");
    app.add_option("-o,--output", options.output, "PNG file to write")
        ->option_text("FILE.png")
        ->required();
    app.add_option("--module", options.module, "Plug-in module to load")->option_text("PATH");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return Fail(e.what(), kUsageExit);
    }
    return RunRollout(options);
}
