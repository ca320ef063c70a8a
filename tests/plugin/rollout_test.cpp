// The texture's rollout in the stand-in's headless material editor, driven as a user drives
// it: the n/k controls follow "preset" from the first display on, the combo box and the two
// link buttons do what they say and nothing more, and every dialog gets its own handler and
// output dialog, which the host deletes.
#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <iparamm2.h>
#include <standin/material_editor.h>
#include <standin/param_keys.h>
#include <standin/rollout.h>
#if !defined(_WIN32)
#include <standin/shell_execute_hook.h>
#endif
#include <standin/ui_invalidation_log.h>

#include "core/presets.h"
#include "plugin/web_pages.h"
#include "tests/plugin/texmap_fixture.h"
#include "tests/support/animate_scope.h"
#include "tests/support/stub_param_dlg.h"
#include "web/api/typed_value.h"

namespace texmap_test {
namespace {

using standin::Control;
using standin::MaterialEditor;
using standin::Rollout;

constexpr int kPresetCombo = 1001;
constexpr int kHomePageButton = 1004;
constexpr int kReferenceButton = 1006;
// Edit field and spinner of each n/k parameter, in the order of kIorIDs.
constexpr int kIorEdits[] = {1490, 1491, 1492, 1493, 1494, 1495};
constexpr int kIorSpinners[] = {1496, 1497, 1498, 1499, 1500, 1501};
// Gamma, hue and saturation, the preset choice and the two buttons.
constexpr int kAlwaysEnabled[] = {
    1502, 1503, 1504, 1505, 1506, 1507, kPresetCombo, kHomePageButton, kReferenceButton};

constexpr int kGold = 3;
constexpr int kChromium = 5;
constexpr int kCopper = 6;

// Enabled exactly while a metal does not drive the n/k values.
bool IorEditable(int preset) {
    return preset <= 0;
}

// The twelve n/k controls are all `enabled`, and nothing that must stay enabled is not.
testing::AssertionResult IorControlsAre(const MaterialEditor& editor, bool enabled) {
    std::vector<int> wrong;
    auto check = [&](int id, bool expected) {
        const Control* c = editor.FindControl(id);
        if (!c || c->enabled != expected) wrong.push_back(id);
    };
    for (int id : kIorEdits) check(id, enabled);
    for (int id : kIorSpinners) check(id, enabled);
    for (int id : kAlwaysEnabled) check(id, true);
    if (wrong.empty()) return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure();
    failure << "expected the n/k controls " << (enabled ? "enabled" : "disabled")
            << "; wrong state:";
    for (int id : wrong) failure << " " << id;
    return failure;
}

// The six n/k edit fields show `ior`, bit for bit.
testing::AssertionResult ShowsIor(const MaterialEditor& editor, const veltrane::ComplexIOR& ior) {
    const float values[] = {ior.nR, ior.nG, ior.nB, ior.kR, ior.kG, ior.kB};
    for (int c = 0; c < 6; ++c) {
        const Control* edit = editor.FindControl(kIorEdits[c]);
        if (!edit || Bits(edit->value) != Bits(values[c])) {
            return testing::AssertionFailure()
                   << "edit " << kIorEdits[c] << " shows " << (edit ? edit->value : -1.0f)
                   << ", expected " << values[c];
        }
    }
    return testing::AssertionSuccess();
}

// A secondary dialog of no texture map's: SetDlgThing must never take it.
using ForeignDlg = StubParamDlg;

class RolloutTest : public TexmapTest {
  protected:
    ParamBlockDesc2& ParamsDesc() { return *Desc().GetParamBlockDesc(0); }

    // A new map whose "preset" was set while no rollout was open.
    MapPtr MapWithPreset(int preset) {
        MapPtr map = NewMap();
        EXPECT_TRUE(Block(*map).SetValue(kPreset, 0, preset));
        return map;
    }

    static IAutoMParamDlg& Open(MaterialEditor& editor, Texmap& map) {
        auto* master = dynamic_cast<IAutoMParamDlg*>(editor.Show(&map));
        if (!master || !editor.FindRollout(kPresetCombo)) {
            ADD_FAILURE() << "the editor shows no rollout with the preset choice";
            std::abort();
        }
        return *master;
    }

    static Rollout& RolloutIn(const MaterialEditor& editor) {
        return *editor.FindRollout(kPresetCombo);
    }

    // Sets the twelve n/k controls the wrong way round, as a stale state would leave them.
    static void SpoilIorState(IParamBlock2& block, bool editable) {
        IParamMap2* pmap = block.GetMap(0);
        ASSERT_NE(pmap, nullptr);
        for (ParamID id : kIorIDs) pmap->Enable(id, editable ? FALSE : TRUE, 0);
    }
};

// ---------------------------------------------------------------------------------------
// The enabled state

// Controls start enabled (the template disables none) and the plug-in's handler arrives after
// the rollout was built, without WM_INITDIALOG: a disabled state proves CreateParamDlg set it.
TEST_F(RolloutTest, OpensWithTheIorControlsEnabledExactlyWhileThePresetIsCustomOrBelow) {
    {
        MapPtr fresh = NewMap();
        MaterialEditor editor;
        Open(editor, *fresh);
        EXPECT_EQ(editor.FindControl(kPresetCombo)->text, L"Copper");
        EXPECT_TRUE(IorControlsAre(editor, false)) << "a new texture";
    }
    std::vector<int> presets = {INT_MIN, INT_MAX};
    for (int preset = -1; preset <= 11; ++preset) presets.push_back(preset);
    for (int preset : presets) {
        SCOPED_TRACE(testing::Message() << "preset " << preset);
        MapPtr map = NewMap();
        MaterialEditor editor;
        Open(editor, *map);
        editor.Close();
        // Changed while closed, as a script would: nothing to update, nothing may fail.
        EXPECT_TRUE(Block(*map).SetValue(kPreset, 0, preset));
        Open(editor, *map);
        EXPECT_TRUE(IorControlsAre(editor, IorEditable(preset)));
        EXPECT_EQ(Block(*map).GetInt(kPreset, 0), preset);
    }
}

TEST_F(RolloutTest, ChoosingCustomKeepsTheMetalsValuesAndChoosingAMetalWritesItsRow) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    WriteParams(block, 0, Metal(kCopper, 2.0f, 30.0f, -20.0f));
    MaterialEditor editor;
    Open(editor, *map);
    Rollout& rollout = RolloutIn(editor);

    // Custom after each metal in turn, starting from the new texture's Copper.
    std::vector<int> choices = {0};
    for (const veltrane::MetalPreset& metal : veltrane::kMetalPresets) {
        choices.push_back(metal.index);
        choices.push_back(0);
    }
    int metal = kCopper;
    for (int choice : choices) {
        SCOPED_TRACE(testing::Message() << "chose item " << choice << " after " << metal);
        if (choice != 0) metal = choice;
        ASSERT_TRUE(rollout.ChooseItem(kPresetCombo, choice));
        EXPECT_EQ(block.GetInt(kPreset, 0), choice);
        EXPECT_TRUE(SameParams(ReadParams(block, 0), Metal(metal, 2.0f, 30.0f, -20.0f)));
        EXPECT_TRUE(ShowsIor(editor, veltrane::FindMetalPreset(metal)->ior));
        EXPECT_TRUE(IorControlsAre(editor, choice == 0));
    }
}

// The open rollout moves to another map of the class: the state follows the new map, the
// handler serves it (the old map may go), and the output dialog shows the new map's output.
TEST_F(RolloutTest, RetargetingFollowsTheNewMapsPresetAndRebindsTheOutputDialog) {
    struct Case {
        const char* what;
        int from, to;
    };
    const Case cases[] = {
        {"Custom to a metal", 0, kGold},
        {"a metal to Custom", kGold, 0},
        {"a metal to another", kGold, kChromium},
        {"below Custom to Custom", -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MapPtr from = MapWithPreset(c.from);
        MapPtr to = MapWithPreset(c.to);
        const Params toParams = ReadParams(Block(*to), 0);
        MaterialEditor editor;
        IAutoMParamDlg& master = Open(editor, *from);
        ASSERT_EQ(master.NumDlgs(), 1) << "the texture output's dialog";
        ParamDlg* outputDlg = master.GetDlg(0);
        EXPECT_EQ(outputDlg->GetThing(), OutputOf(*from));
        auto* foreign = new ForeignDlg;  // the master owns and deletes it
        master.AddDlg(foreign);
        EXPECT_TRUE(IorControlsAre(editor, IorEditable(c.from)));

        EXPECT_EQ(editor.Show(to.get()), &master) << "retargeted, not rebuilt";
        EXPECT_TRUE(IorControlsAre(editor, IorEditable(c.to)));
        EXPECT_EQ(outputDlg->GetThing(), OutputOf(*to));
        EXPECT_EQ(foreign->setThings, 0) << "no map takes a dialog of another's";
        EXPECT_EQ(Block(*to).GetInt(kPreset, 0), c.to);
        EXPECT_TRUE(SameParams(ReadParams(Block(*to), 0), toParams));

        // A handler still bound to the old map would touch freed memory here (ASan) or
        // leave the spoilt state in place.
        from.reset();
        SpoilIorState(Block(*to), IorEditable(c.to));
        EXPECT_TRUE(RolloutIn(editor).SendCommand(kPresetCombo, standin::kCbnDropDown));
        EXPECT_TRUE(IorControlsAre(editor, IorEditable(c.to)));
    }
}

TEST_F(RolloutTest, SetDlgThingTakesOnlyTheOutputDialog) {
    MapPtr a = NewMap();
    MapPtr b = NewMap();
    // On the stack: never at the address of a dialog deleted earlier.
    ForeignDlg foreign;
    // Before any parameter dialog: in a freshly loaded module there is no output dialog.
    EXPECT_FALSE(b->SetDlgThing(nullptr));
    EXPECT_FALSE(b->SetDlgThing(&foreign));

    MaterialEditor editor;
    IAutoMParamDlg& master = Open(editor, *a);
    ParamDlg* outputDlg = master.GetDlg(0);
    ASSERT_NE(outputDlg, nullptr);
    EXPECT_FALSE(b->SetDlgThing(nullptr));
    EXPECT_FALSE(b->SetDlgThing(&foreign));
    EXPECT_FALSE(b->SetDlgThing(&master));
    EXPECT_EQ(foreign.setThings, 0);
    EXPECT_EQ(outputDlg->GetThing(), OutputOf(*a)) << "refusals change nothing";

    EXPECT_TRUE(b->SetDlgThing(outputDlg));
    EXPECT_EQ(outputDlg->GetThing(), OutputOf(*b));
    EXPECT_TRUE(a->SetDlgThing(outputDlg));
    EXPECT_EQ(outputDlg->GetThing(), OutputOf(*a));
}

// "preset" is read at time 0 whatever the editor's time, when the rollout opens and on
// every combo command.
TEST_F(RolloutTest, AnAnimatedPresetIsReadAtTimeZero) {
    struct Case {
        const char* what;
        int atZero, later;
    };
    const Case cases[] = {
        {"Custom at 0, Gold later", 0, kGold},
        {"Gold at 0, Custom later", kGold, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MapPtr map = MapWithPreset(c.atZero);
        IParamBlock2& block = Block(*map);
        {
            AnimateScope animate;
            block.SetValue(kPreset, 4800, c.later);
        }
        ASSERT_EQ(standin::KeyTimes(block, kPreset), (std::vector<TimeValue>{0, 4800}));

        MaterialEditor editor;
        editor.SetTime(4800);
        Open(editor, *map);
        EXPECT_EQ(editor.FindControl(kPresetCombo)->selection, c.later)
            << "the combo box shows the editor's time";
        EXPECT_TRUE(IorControlsAre(editor, IorEditable(c.atZero)));

        editor.SetTime(2400);
        SpoilIorState(block, IorEditable(c.atZero));
        EXPECT_TRUE(RolloutIn(editor).SendCommand(kPresetCombo, standin::kCbnSetFocus));
        EXPECT_TRUE(IorControlsAre(editor, IorEditable(c.atZero)));
    }
}

// ---------------------------------------------------------------------------------------
// Commands

TEST_F(RolloutTest, EveryComboCommandReappliesTheStateAndChangesNothingElse) {
    struct Command {
        const char* what;
        std::function<bool(Rollout&)> send;
    };
    const Command commands[] = {
        {"selection change",
         [](Rollout& r) { return r.SendCommand(kPresetCombo, standin::kCbnSelChange); }},
        {"drop-down",
         [](Rollout& r) { return r.SendCommand(kPresetCombo, standin::kCbnDropDown); }},
        {"focus gained",
         [](Rollout& r) { return r.SendCommand(kPresetCombo, standin::kCbnSetFocus); }},
        {"focus lost",
         [](Rollout& r) { return r.SendCommand(kPresetCombo, standin::kCbnKillFocus); }},
        {"text typed into it", [](Rollout& r) { return r.TypeText(kPresetCombo, L"Gol"); }},
        {"a code nobody knows", [](Rollout& r) { return r.SendCommand(kPresetCombo, 0x7FFF); }},
    };
    for (int preset : {0, kChromium}) {
        for (const Command& command : commands) {
            SCOPED_TRACE(testing::Message() << command.what << ", preset " << preset);
            MapPtr map = MapWithPreset(preset);
            IParamBlock2& block = Block(*map);
            WriteParams(block, 0, Custom({1.5f, 2.5f, 3.5f, 4.5f, 5.5f, 6.5f}, 0.5f, 10.0f, 5.0f));
            const Params before = ReadParams(block, 0);
            MaterialEditor editor;
            Open(editor, *map);
            SpoilIorState(block, IorEditable(preset));
            standin::UIInvalidationLog writes(Desc2());
#if !defined(_WIN32)
            standin::ShellExecuteRecorder pages;
#endif

            EXPECT_TRUE(command.send(RolloutIn(editor)));
            EXPECT_TRUE(IorControlsAre(editor, IorEditable(preset)));
            EXPECT_EQ(block.GetInt(kPreset, 0), preset);
            EXPECT_TRUE(SameParams(ReadParams(block, 0), before));
            EXPECT_TRUE(writes.Calls().empty()) << "a parameter was written";
#if !defined(_WIN32)
            EXPECT_TRUE(pages.Calls().empty());
#endif
            EXPECT_EQ(editor.FindControl(kPresetCombo)->selection, preset);
        }
    }
}

// Typing or stepping changes that one value; neither reaches "preset" or the enabled state.
TEST_F(RolloutTest, EditingAValueChangesOnlyThatValue) {
    struct Edit {
        int preset;
        int control;
        ParamID id;
        std::function<bool(Rollout&, int)> act;
        float expected;  // what typing gives; unused when stepping
        int steps;       // spinner clicks; 0 for typing
    };
    auto type = [](const wchar_t* text) {
        return [text](Rollout& r, int id) { return r.TypeText(id, text); };
    };
    auto step = [](int clicks) {
        return [clicks](Rollout& r, int id) { return r.StepSpinner(id, clicks); };
    };
    std::vector<Edit> edits;
    for (int c = 0; c < 6; ++c) {
        edits.push_back({0, kIorEdits[c], kIorIDs[c], type(L"1.5"), 1.5f, 0});
        edits.push_back({0, kIorSpinners[c], kIorIDs[c], step(2), 0.0f, 2});
    }
    edits.push_back({kGold, 1502, kGamma, type(L"2.5"), 2.5f, 0});
    edits.push_back({kGold, 1504, kHue, type(L"-45"), -45.0f, 0});
    edits.push_back({kGold, 1506, kSat, type(L"12.5"), 12.5f, 0});
    edits.push_back({kGold, 1503, kGamma, step(1), 0.0f, 1});
    edits.push_back({kGold, 1505, kHue, step(-1), 0.0f, -1});
    edits.push_back({0, 1507, kSat, step(3), 0.0f, 3});

    for (const Edit& e : edits) {
        SCOPED_TRACE(testing::Message() << "control " << e.control << ", preset " << e.preset);
        MapPtr map = MapWithPreset(e.preset);
        IParamBlock2& block = Block(*map);
        Params expected = ReadParams(block, 0);
        MaterialEditor editor;
        Open(editor, *map);
        const Control* control = editor.FindControl(e.control);
        ASSERT_NE(control, nullptr);
        const float scale = control->scale;

        ASSERT_TRUE(e.act(RolloutIn(editor), e.control));
        const float changed = block.GetFloat(e.id, 0);
        if (e.steps == 0) {
            EXPECT_EQ(Bits(changed), Bits(e.expected));
        } else {
            EXPECT_NEAR(changed, Field(expected, e.id) + static_cast<float>(e.steps) * scale,
                        1e-5f);
        }
        Field(expected, e.id) = changed;
        EXPECT_TRUE(SameParams(ReadParams(block, 0), expected));
        EXPECT_EQ(block.GetInt(kPreset, 0), e.preset);
        EXPECT_TRUE(IorControlsAre(editor, IorEditable(e.preset)));
    }
}

// Through the stand-in's ShellExecuteW hook, which sees each call's arguments. On Windows
// ShellExecuteW is the system's: tests/windows follows the buttons to xdg-open end to end.
#if !defined(_WIN32)
TEST_F(RolloutTest, EachClickOnALinkButtonOpensItsPageOnce) {
    const std::wstring home = kHomePageAddress;
    const std::wstring reference = kReferencePageAddress;
    struct Case {
        const char* what;
        std::function<void(Rollout&)> act;
        std::vector<std::wstring> opened;
    };
    const Case cases[] = {
        {"home page", [](Rollout& r) { EXPECT_TRUE(r.ClickButton(kHomePageButton)); }, {home}},
        {"reference site",
         [](Rollout& r) { EXPECT_TRUE(r.ClickButton(kReferenceButton)); },
         {reference}},
        {"both, twice each",
         [](Rollout& r) {
             for (int id : {kHomePageButton, kReferenceButton, kHomePageButton, kReferenceButton}) {
                 EXPECT_TRUE(r.ClickButton(id));
             }
         },
         {home, reference, home, reference}},
        {"another command of the home page button",
         [](Rollout& r) { EXPECT_TRUE(r.SendCommand(kHomePageButton, 6)); },
         {home}},
        {"a combo command",
         [](Rollout& r) { EXPECT_TRUE(r.SendCommand(kPresetCombo, standin::kCbnDropDown)); },
         {}},
        {"a typed gamma", [](Rollout& r) { EXPECT_TRUE(r.TypeText(1502, L"2")); }, {}},
        {"a spinner click", [](Rollout& r) { EXPECT_TRUE(r.StepSpinner(1505, 1)); }, {}},
        {"a click on a colour bar",
         [](Rollout& r) { EXPECT_TRUE(r.SendCommand(1009, standin::kBnClicked)); },
         {}},
        {"the button's ID in another message",
         [](Rollout& r) {
             r.SendMessageToProc(WM_INITDIALOG, standin::MakeWParam(kHomePageButton, 0), 0);
             r.SendMessageToProc(standin::kCcSpinnerChange,
                                 standin::MakeWParam(kReferenceButton, 0), 0);
         },
         {}},
    };
    // A page that cannot be opened is no different to the rollout.
    for (INT_PTR result : {INT_PTR{42}, INT_PTR{2}}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << ", ShellExecuteW answers " << result);
            MapPtr map = MapWithPreset(0);
            MaterialEditor editor;
            Open(editor, *map);
            const int presetBefore = Block(*map).GetInt(kPreset, 0);
            standin::ShellExecuteRecorder recorder(result);
            c.act(RolloutIn(editor));

            const std::vector<standin::ShellExecuteCall> calls = recorder.Calls();
            ASSERT_EQ(calls.size(), c.opened.size());
            for (std::size_t i = 0; i < calls.size(); ++i) {
                const standin::ShellExecuteCall& call = calls[i];
                EXPECT_EQ(call.file, c.opened[i]);
                EXPECT_EQ(call.file.rfind(L"https://", 0), 0u) << "an absolute https address";
                EXPECT_EQ(call.owner, nullptr);
                EXPECT_EQ(call.operation, std::nullopt);
                EXPECT_EQ(call.parameters, std::nullopt);
                EXPECT_EQ(call.directory, std::nullopt);
                EXPECT_EQ(call.showCommand, SW_SHOW);
            }
            EXPECT_EQ(Block(*map).GetInt(kPreset, 0), presetBefore);
            EXPECT_TRUE(IorControlsAre(editor, true));
        }
    }
}
#endif  // the stand-in ShellExecuteW hook

TEST_F(RolloutTest, TheHandlerAnswersZeroToEveryMessage) {
    using standin::MakeWParam;
    struct Message {
        UINT msg;
        WPARAM wParam;
    };
    std::vector<Message> messages = {
        {WM_INITDIALOG, 0},
        {0x0002, 0},                            // WM_DESTROY
        {0x0010, 0},                            // WM_CLOSE
        {0x0200, 0},                            // WM_MOUSEMOVE
        {0x0400, MakeWParam(kPresetCombo, 0)},  // WM_USER
        {standin::kCcSpinnerChange, MakeWParam(1496, 0)},
        {WM_COMMAND, MakeWParam(kHomePageButton, standin::kBnClicked)},
        {WM_COMMAND, MakeWParam(kReferenceButton, standin::kBnClicked)},
        {WM_COMMAND, MakeWParam(1490, standin::kEnChange)},
        {WM_COMMAND, MakeWParam(0, 0)},
        {WM_COMMAND, MakeWParam(0xFFFF, 0xFFFF)},
        {0xFFFFFFFFu, ~WPARAM{0}},
    };
    for (WORD code : {standin::kCbnSelChange, standin::kCbnSetFocus, standin::kCbnKillFocus,
                      standin::kCbnEditChange, standin::kCbnDropDown}) {
        messages.push_back({WM_COMMAND, MakeWParam(kPresetCombo, code)});
    }
#if !defined(_WIN32)
    standin::ShellExecuteRecorder pages;  // opens nothing, should a message open a page
#endif
    for (int preset : {0, kGold}) {
        MapPtr map = MapWithPreset(preset);
        MaterialEditor editor;
        Open(editor, *map);
        for (const Message& m : messages) {
            SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << m.msg << ", wParam 0x"
                                            << m.wParam << std::dec << ", preset " << preset);
            EXPECT_EQ(RolloutIn(editor).SendMessageToProc(m.msg, m.wParam, 0), 0);
        }
        EXPECT_TRUE(IorControlsAre(editor, IorEditable(preset)));
    }
}

// ---------------------------------------------------------------------------------------
// Dialogs and handlers

// However the dialog ends, the host deletes its handler (ASan would see a second delete, LSan
// a missing one) and forgets it; the next dialog has a handler and an output dialog of its own.
TEST_F(RolloutTest, EachParameterDialogHasItsOwnHandlerAndOutputDialog) {
    struct Ending {
        const char* what;
        std::function<void(std::unique_ptr<MaterialEditor>&, MapPtr&)> end;
    };
    const Ending endings[] = {
        {"closed", [](std::unique_ptr<MaterialEditor>& e, MapPtr&) { e->Close(); }},
        {"the editor goes", [](std::unique_ptr<MaterialEditor>& e, MapPtr&) { e.reset(); }},
        {"another class shown",
         [](std::unique_ptr<MaterialEditor>& e, MapPtr& m) { e->Show(OutputOf(*m)); }},
        {"the texture deleted", [](std::unique_ptr<MaterialEditor>&, MapPtr& m) { m.reset(); }},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.what);
        MapPtr map = MapWithPreset(kGold);
        auto editor = std::make_unique<MaterialEditor>();
        IAutoMParamDlg& first = Open(*editor, *map);
        EXPECT_NE(ParamsDesc().GetUserDlgProc(0), nullptr) << "a handler is attached";
        ASSERT_EQ(first.NumDlgs(), 1);
        EXPECT_EQ(first.GetDlg(0)->GetThing(), OutputOf(*map));

        ending.end(editor, map);
        EXPECT_EQ(ParamsDesc().GetUserDlgProc(0), nullptr) << "the handler was deleted";
        if (!map) map = MapWithPreset(kGold);

        MaterialEditor again;
        IAutoMParamDlg& second = Open(again, *map);
        EXPECT_NE(ParamsDesc().GetUserDlgProc(0), nullptr);
        ASSERT_EQ(second.NumDlgs(), 1);
        EXPECT_EQ(second.GetDlg(0)->GetThing(), OutputOf(*map));
        EXPECT_TRUE(IorControlsAre(again, false));
        SpoilIorState(Block(*map), false);
        EXPECT_TRUE(RolloutIn(again).SendCommand(kPresetCombo, standin::kCbnDropDown));
        EXPECT_TRUE(IorControlsAre(again, false)) << "the new handler serves the texture";
    }
}

TEST_F(RolloutTest, TwoOpenDialogsEachKeepTheirOwnHandlerAndOutputDialog) {
    MapPtr custom = MapWithPreset(0);
    MapPtr metal = MapWithPreset(kGold);
    MaterialEditor first;
    MaterialEditor second;
    IAutoMParamDlg& customDlg = Open(first, *custom);
    ParamMap2UserDlgProc* customHandler = ParamsDesc().GetUserDlgProc(0);
    IAutoMParamDlg& metalDlg = Open(second, *metal);
    ParamMap2UserDlgProc* metalHandler = ParamsDesc().GetUserDlgProc(0);
    EXPECT_NE(customHandler, metalHandler);
    EXPECT_NE(customDlg.GetDlg(0), metalDlg.GetDlg(0));
    EXPECT_EQ(customDlg.GetDlg(0)->GetThing(), OutputOf(*custom));
    EXPECT_EQ(metalDlg.GetDlg(0)->GetThing(), OutputOf(*metal));
    EXPECT_TRUE(IorControlsAre(first, true));
    EXPECT_TRUE(IorControlsAre(second, false));

    SpoilIorState(Block(*custom), true);
    SpoilIorState(Block(*metal), false);
    EXPECT_TRUE(RolloutIn(first).SendCommand(kPresetCombo, standin::kCbnDropDown));
    EXPECT_TRUE(RolloutIn(second).SendCommand(kPresetCombo, standin::kCbnDropDown));
    EXPECT_TRUE(IorControlsAre(first, true));
    EXPECT_TRUE(IorControlsAre(second, false));
}

// ---------------------------------------------------------------------------------------
// Spinners

TEST_F(RolloutTest, SpinnersStopAtTheRangesAndStepByTheScales) {
    struct Spinner {
        int edit, spinner;
        ParamID id;
        float min, max, scale;
    };
    std::vector<Spinner> spinners;
    for (int c = 0; c < 6; ++c) {
        spinners.push_back({kIorEdits[c], kIorSpinners[c], kIorIDs[c], 0.0f, 100.0f, 0.001f});
    }
    spinners.push_back({1502, 1503, kGamma, 0.05f, 20.0f, 0.01f});
    spinners.push_back({1504, 1505, kHue, -180.0f, 180.0f, 0.1f});
    spinners.push_back({1506, 1507, kSat, -100.0f, 100.0f, 0.1f});

    MapPtr map = MapWithPreset(0);  // n and k take input only under Custom
    IParamBlock2& block = Block(*map);
    MaterialEditor editor;
    Open(editor, *map);
    Rollout& rollout = RolloutIn(editor);
    for (const Spinner& s : spinners) {
        SCOPED_TRACE(testing::Message() << "spinner " << s.spinner);
        for (int id : {s.edit, s.spinner}) {
            const Control* c = editor.FindControl(id);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->paramId, s.id);
            EXPECT_EQ(c->minValue, s.min);
            EXPECT_EQ(c->maxValue, s.max);
            EXPECT_EQ(c->scale, s.scale);
        }

        block.SetValue(s.id, 0, 1.0f);
        EXPECT_TRUE(rollout.StepSpinner(s.spinner, 1));
        EXPECT_NEAR(block.GetFloat(s.id, 0), 1.0f + s.scale, 1e-6f);
        EXPECT_TRUE(rollout.StepSpinner(s.spinner, -3));
        EXPECT_NEAR(block.GetFloat(s.id, 0), 1.0f - 2.0f * s.scale, 1e-6f);

        // Two and a half steps from a limit, five clicks end exactly on it.
        block.SetValue(s.id, 0, s.max - 2.5f * s.scale);
        EXPECT_TRUE(rollout.StepSpinner(s.spinner, 5));
        EXPECT_EQ(block.GetFloat(s.id, 0), s.max);
        block.SetValue(s.id, 0, s.min + 2.5f * s.scale);
        EXPECT_TRUE(rollout.StepSpinner(s.spinner, -5));
        EXPECT_EQ(block.GetFloat(s.id, 0), s.min);

        EXPECT_TRUE(rollout.TypeText(s.edit, L"1e6"));
        EXPECT_EQ(block.GetFloat(s.id, 0), s.max);
        EXPECT_TRUE(rollout.TypeText(s.edit, L"-1e6"));
        EXPECT_EQ(block.GetFloat(s.id, 0), s.min);
    }
    EXPECT_EQ(block.GetInt(kPreset, 0), 0);
}

// The workbench page's fields follow the same rules without a host: its ranges and what it
// makes of typed text must be the rollout's, field by field.
TEST_F(RolloutTest, TheWorkbenchFieldsTakeTypedTextAsTheRolloutDoes) {
    const struct {
        const char* param;
        int edit;
    } fields[] = {
        {"n", kIorEdits[0]}, {"k", kIorEdits[5]}, {"gamma", 1502}, {"hue", 1504}, {"sat", 1506}};
    const std::string texts[] = {"2.5",     "180.00001", "-180.00001", "1e6", "-1e6", " 0.04 ",
                                 "0.0004",  "19.99951",  "abc",        "1,5", "nan",  "",
                                 "-0.0001", "3.14159",   "1e-30",      "+7",  "inf"};
    MapPtr map = MapWithPreset(0);
    IParamBlock2& block = Block(*map);
    MaterialEditor editor;
    Open(editor, *map);
    Rollout& rollout = RolloutIn(editor);
    for (const auto& field : fields) {
        const veltrane::web::ParamRange* range = veltrane::web::FindParamRange(field.param);
        ASSERT_NE(range, nullptr) << field.param;
        const Control* control = editor.FindControl(field.edit);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(static_cast<float>(range->low), control->minValue) << field.param;
        EXPECT_EQ(static_cast<float>(range->high), control->maxValue) << field.param;
        EXPECT_EQ(static_cast<float>(range->step), control->scale) << field.param;
        for (const std::string& text : texts) {
            SCOPED_TRACE(testing::Message() << field.param << " '" << text << "'");
            ASSERT_TRUE(block.SetValue(control->paramId, 0, 1.0f));
            const bool taken = rollout.TypeText(field.edit, std::wstring(text.begin(), text.end()));
            const auto typed = veltrane::web::TypeIntoField(*range, text);
            ASSERT_EQ(taken, typed.has_value());
            const float stored = block.GetFloat(control->paramId, 0);
            const std::wstring shown = editor.FindControl(field.edit)->text;
            if (!typed) {
                EXPECT_EQ(stored, 1.0f);
                continue;
            }
            EXPECT_EQ(stored, typed->value);
            EXPECT_EQ(shown, std::wstring(typed->shown.begin(), typed->shown.end()));
        }
    }
}

// ---------------------------------------------------------------------------------------
// Reset

TEST_F(RolloutTest, ResetWhileCustomIsShownDisablesTheIorControlsWithCopper) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    MaterialEditor editor;
    Open(editor, *map);
    Rollout& rollout = RolloutIn(editor);
    ASSERT_TRUE(rollout.ChooseItem(kPresetCombo, 0));
    ASSERT_TRUE(rollout.TypeText(1490, L"4.5"));
    ASSERT_TRUE(rollout.TypeText(1502, L"2"));
    ASSERT_TRUE(IorControlsAre(editor, true));

    map->Reset();
    EXPECT_EQ(block.GetInt(kPreset, 0), kCopper);
    EXPECT_TRUE(SameParams(ReadParams(block, 0), DefaultParams()));
    EXPECT_TRUE(IorControlsAre(editor, false));
    EXPECT_EQ(editor.FindControl(kPresetCombo)->text, L"Copper");
    EXPECT_TRUE(ShowsIor(editor, veltrane::FindMetalPreset(kCopper)->ior));
    EXPECT_EQ(editor.FindControl(1502)->text, L"1.0");
}

}  // namespace
}  // namespace texmap_test
