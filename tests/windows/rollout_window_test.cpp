// The rollout as real windows, read and driven through the Win32 API only: the editor's frame,
// the dialog the dialog manager built from template 101 in the plug-in module, the host's
// CustEdit, SpinnerControl and CustButton classes, and user actions as real messages. Runs
// under Xvfb (tests/windows/CMakeLists.txt).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <string>
#include <vector>

#include <standin/material_editor.h>

#include "core/presets.h"
#include "resources/resource.h"
#include "tests/plugin/texmap_fixture.h"

namespace {

using texmap_test::kGamma;
using texmap_test::kPreset;

constexpr int kIorControls[] = {IDC_NR_EDIT, IDC_NG_EDIT, IDC_NB_EDIT, IDC_KR_EDIT,
                                IDC_KG_EDIT, IDC_KB_EDIT, IDC_NR_SPIN, IDC_NG_SPIN,
                                IDC_NB_SPIN, IDC_KR_SPIN, IDC_KG_SPIN, IDC_KB_SPIN};
constexpr int kIorEdits[] = {IDC_NR_EDIT, IDC_NG_EDIT, IDC_NB_EDIT,
                             IDC_KR_EDIT, IDC_KG_EDIT, IDC_KB_EDIT};

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
    reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(TextOf(child));
    return TRUE;
}

// What the user does: picks an item in the list, and the combo box tells its dialog.
void ChooseInCombo(HWND dialog, int position) {
    HWND combo = GetDlgItem(dialog, IDC_PRESET);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_PRESET, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

testing::AssertionResult IorControlsEnabled(HWND dialog, bool enabled) {
    for (int id : kIorControls) {
        if ((IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE) != enabled) {
            return testing::AssertionFailure()
                   << "control " << id << " is " << (enabled ? "disabled" : "enabled");
        }
    }
    return testing::AssertionSuccess();
}

class RolloutWindowTest : public texmap_test::TexmapTest {
  protected:
    void SetUp() override {
        TexmapTest::SetUp();
        ASSERT_TRUE(IsWindow(editor.Window())) << "no display: the test runs under xvfb-run";
        map = NewMap();
        ASSERT_NE(editor.Show(map.get()), nullptr);
        auto* rollout = dynamic_cast<IParamMap2*>(editor.FindRollout(IDC_PRESET));
        ASSERT_NE(rollout, nullptr);
        dialog = rollout->GetHWnd();
        ASSERT_TRUE(IsWindow(dialog));
    }
    void TearDown() override {
        editor.Close();
        map.reset();
        TexmapTest::TearDown();
    }

    standin::MaterialEditor editor;
    texmap_test::MapPtr map;
    HWND dialog = nullptr;
};

TEST_F(RolloutWindowTest, IsAChildDialogOfTheEditorWithTheHostsControlClasses) {
    EXPECT_EQ(GetParent(dialog), editor.Window());
    const struct {
        int id;
        const wchar_t* cls;
    } controls[] = {{IDC_NR_EDIT, L"CustEdit"},
                    {IDC_NR_SPIN, L"SpinnerControl"},
                    {IDC_HOMEPAGE, L"CustButton"},
                    {IDC_PRESET, L"ComboBox"},
                    {IDC_GAMMA_EDIT, L"CustEdit"}};
    for (const auto& c : controls) {
        wchar_t cls[64] = L"";
        GetClassNameW(GetDlgItem(dialog, c.id), cls, 64);
        EXPECT_EQ(_wcsicmp(cls, c.cls), 0)
            << c.id << " is a " << testing::PrintToString(std::wstring(cls));
    }
}

TEST_F(RolloutWindowTest, TheComboBoxListsTheElevenNamesInOrder) {
    const std::vector<std::wstring> expected = {L"Custom", L"Silver",   L"Aluminium", L"Gold",
                                                L"Cobalt", L"Chromium", L"Copper",    L"Iron",
                                                L"Nickel", L"Platinum", L"Titanium"};
    EXPECT_EQ(ComboItems(GetDlgItem(dialog, IDC_PRESET)), expected);
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_PRESET), CB_GETCURSEL, 0, 0),
              veltrane::kPresetDefault);
}

// The non-ASCII headings went through windres with code page 65001 and the dialog manager.
TEST_F(RolloutWindowTest, TheHeadingsReadAsWritten) {
    std::vector<std::wstring> texts;
    EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&texts));
    for (const wchar_t* heading :
         {L"R (0.650 \u00B5m)", L"G (0.510 \u00B5m)", L"B (0.475 \u00B5m)"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), heading), texts.end())
            << testing::PrintToString(std::wstring(heading));
    }
}

TEST_F(RolloutWindowTest, TheIorFieldsAreEnabledExactlyForCustom) {
    EXPECT_TRUE(IorControlsEnabled(dialog, false)) << "Copper, the default";
    ChooseInCombo(dialog, 0);
    EXPECT_EQ(Block(*map).GetInt(kPreset, 0), 0);
    EXPECT_TRUE(IorControlsEnabled(dialog, true)) << "Custom";
    ChooseInCombo(dialog, 3);
    EXPECT_TRUE(IorControlsEnabled(dialog, false)) << "Gold";
}

TEST_F(RolloutWindowTest, ChoosingAMetalWritesItsValuesIntoTheFields) {
    for (const veltrane::MetalPreset& metal : veltrane::kMetalPresets) {
        SCOPED_TRACE(metal.index);
        ChooseInCombo(dialog, metal.index);
        EXPECT_EQ(Block(*map).GetInt(kPreset, 0), metal.index);
        const float values[] = {metal.ior.nR, metal.ior.nG, metal.ior.nB,
                                metal.ior.kR, metal.ior.kG, metal.ior.kB};
        for (int c = 0; c < 6; ++c) {
            const std::wstring text = TextOf(GetDlgItem(dialog, kIorEdits[c]));
            EXPECT_NEAR(std::wcstod(text.c_str(), nullptr), values[c], 0.0005) << kIorEdits[c];
        }
    }
}

TEST_F(RolloutWindowTest, ASpinnerClickStepsTheValueItShows) {
    HWND spinner = GetDlgItem(dialog, IDC_GAMMA_SPIN);
    const float before = Block(*map).GetFloat(kGamma, 0);
    RECT box;
    GetClientRect(spinner, &box);
    SendMessageW(spinner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));  // the upper arrow
    const float after = Block(*map).GetFloat(kGamma, 0);
    EXPECT_GT(after, before);
    EXPECT_NEAR(std::wcstod(TextOf(GetDlgItem(dialog, IDC_GAMMA_EDIT)).c_str(), nullptr), after,
                0.0005);
}

TEST_F(RolloutWindowTest, AButtonClickOpensItsPage) {
    const char* log = std::getenv("VELTRANE_XDG_OPEN_LOG");
    ASSERT_NE(log, nullptr) << "ctest names the fake xdg-open's log";
    std::ofstream(log, std::ios::trunc).close();
    SendMessageW(GetDlgItem(dialog, IDC_REFERENCE_SITE), BM_CLICK, 0, 0);
    std::string line;
    for (int wait = 0; wait < 300 && line.empty(); ++wait) {
        Sleep(100);
        std::ifstream in(log);
        std::getline(in, line);
    }
    EXPECT_EQ(line, "https://refractiveindex.info/");
}

}  // namespace
