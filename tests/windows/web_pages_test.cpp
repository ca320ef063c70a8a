// The rollout's web-page buttons end to end on Windows: the plug-in calls the system's
// ShellExecuteW, Wine hands the address to xdg-open, and the recording fake xdg-open that
// the tests put first on PATH appends it to the file named by VELTRANE_XDG_OPEN_LOG.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <standin/material_editor.h>
#include <standin/rollout.h>

#include "tests/plugin/texmap_fixture.h"

namespace {

constexpr int kPresetCombo = 1001;
constexpr int kHomePageButton = 1004;
constexpr int kReferenceButton = 1006;

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// ShellExecuteW returns before the opener runs: waits until `count` addresses arrived.
std::vector<std::string> WaitForLines(const std::string& path, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    std::vector<std::string> lines = Lines(path);
    while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        lines = Lines(path);
    }
    return lines;
}

using WebPagesTest = texmap_test::TexmapTest;

TEST_F(WebPagesTest, EachButtonHandsItsAddressToTheDesktopOpener) {
    const char* log = std::getenv("VELTRANE_XDG_OPEN_LOG");
    ASSERT_NE(log, nullptr) << "ctest names the fake xdg-open's log";
    std::ofstream(log, std::ios::trunc).close();

    texmap_test::MapPtr map = NewMap();
    standin::MaterialEditor editor;
    ASSERT_NE(editor.Show(map.get()), nullptr);
    standin::Rollout* rollout = editor.FindRollout(kPresetCombo);
    ASSERT_NE(rollout, nullptr);
    // One at a time, so that the order of arrival is the order of the clicks.
    const struct {
        int button;
        const char* address;
    } clicks[] = {
        {kHomePageButton, "https://veltrane.example.com/"},
        {kReferenceButton, "https://refractiveindex.info/"},
        {kHomePageButton, "https://veltrane.example.com/"},
    };
    std::vector<std::string> expected;
    for (const auto& click : clicks) {
        ASSERT_TRUE(rollout->ClickButton(click.button));
        expected.push_back(click.address);
        EXPECT_EQ(WaitForLines(log, expected.size()), expected);
    }
    editor.Close();
}

}  // namespace
