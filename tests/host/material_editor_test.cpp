// The headless material editor on a texture map class shaped like the plug-in's: the
// rollout built from template 101, user actions through the block and the user procedure,
// enabling and redrawing, retargeting, and the lifetime of dialogs and procedures.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <standin/material_editor.h>
#include <standin/param_keys.h>

#include "tests/host/editor_fixture.h"
#include "tests/support/animate_scope.h"

namespace edtest {
namespace {

using standin::Control;
using standin::MaterialEditor;
using standin::Rollout;
using Events = std::vector<std::string>;

class MaterialEditorTest : public ResourceModuleSuite {
  protected:
    void SetUp() override {
        ASSERT_NE(resourceModule, nullptr);
        events.clear();
    }
    void TearDown() override {
        EXPECT_EQ(mapParams.dlgProc, nullptr) << "the descriptor kept a procedure after its map";
    }

    // The values of parameters 0 to 9 at time 0.
    static std::vector<float> Values(TestMap& map) {
        std::vector<float> values{static_cast<float>(map.Block()->GetInt(kPreset))};
        for (ParamID id = kNR; id <= kSat; ++id) values.push_back(map.Block()->GetFloat(id));
        return values;
    }
};

TEST_F(MaterialEditorTest, BuildsTheRolloutFromTemplate101AndBindsEveryControl) {
    MapPtr map = NewMap();
    MaterialEditor editor;
    ASSERT_NE(editor.Show(map.get()), nullptr);
    ASSERT_EQ(editor.Rollouts().size(), 1u);
    const Rollout& rollout = *editor.Rollouts()[0];
    EXPECT_EQ(rollout.Title(), L"Parameters");
    EXPECT_EQ(rollout.Controls().size(), 38u);

    struct Spinner {
        int edit, spinner;
        ParamID id;
        float min, max, scale;
        const wchar_t* shown;
    };
    const Spinner spinners[] = {
        {1490, 1496, kNR, 0.0f, 100.0f, 0.001f, L"0.271"},
        {1491, 1497, kNG, 0.0f, 100.0f, 0.001f, L"0.979"},
        {1492, 1498, kNB, 0.0f, 100.0f, 0.001f, L"1.217"},
        {1493, 1499, kKR, 0.0f, 100.0f, 0.001f, L"3.609"},
        {1494, 1500, kKG, 0.0f, 100.0f, 0.001f, L"2.369"},
        {1495, 1501, kKB, 0.0f, 100.0f, 0.001f, L"2.291"},
        {1502, 1503, kGamma, 0.05f, 20.0f, 0.01f, L"1.0"},
        {1504, 1505, kHue, -180.0f, 180.0f, 0.1f, L"0.0"},
        {1506, 1507, kSat, -100.0f, 100.0f, 0.1f, L"0.0"},
    };
    for (const Spinner& s : spinners) {
        SCOPED_TRACE(testing::Message() << "edit " << s.edit);
        const Control* edit = rollout.FindControl(s.edit);
        const Control* spinner = rollout.FindControl(s.spinner);
        ASSERT_TRUE(edit && spinner);
        EXPECT_EQ(edit->className, L"CustEdit");
        EXPECT_EQ(spinner->className, L"SpinnerControl");
        EXPECT_EQ(edit->text, s.shown);
        for (const Control* c : {edit, spinner}) {
            EXPECT_EQ(c->paramId, s.id);
            EXPECT_TRUE(c->enabled);
            EXPECT_EQ(c->value, map->Block()->GetFloat(s.id));
            EXPECT_EQ(c->minValue, s.min);
            EXPECT_EQ(c->maxValue, s.max);
            EXPECT_EQ(c->scale, s.scale);
        }
    }

    const Control* combo = rollout.FindControl(1001);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->className, L"ComboBox");
    EXPECT_EQ(combo->paramId, kPreset);
    const wchar_t* const names[] = {L"Custom", L"Silver",   L"Aluminium", L"Gold",
                                    L"Cobalt", L"Chromium", L"Copper",    L"Iron",
                                    L"Nickel", L"Platinum", L"Titanium"};
    ASSERT_EQ(combo->items.size(), std::size(names));
    for (std::size_t k = 0; k < std::size(names); ++k) {
        EXPECT_EQ(combo->items[k].text, names[k]);
        EXPECT_EQ(combo->items[k].value, static_cast<int>(k));
    }
    EXPECT_EQ(combo->selection, 6);
    EXPECT_EQ(combo->text, L"Copper");

    for (int button : {1004, 1006}) {
        ASSERT_NE(rollout.FindControl(button), nullptr);
        EXPECT_EQ(rollout.FindControl(button)->className, L"CustButton");
        EXPECT_EQ(rollout.FindControl(button)->paramId, -1);
    }
    EXPECT_EQ(rollout.FindControl(1004)->text, L"Homepage");
    EXPECT_EQ(rollout.FindControl(1009)->className, L"Static");
}

TEST_F(MaterialEditorTest, UserActionsSetTheParameterThroughTheBlockThenTellTheProcedure) {
    struct Case {
        const char* what;
        std::function<bool(Rollout&)> act;
        ParamID id;     // the parameter expected to change, -1 for none
        float value;    // its value afterwards
        Events events;  // what the block's owner and the procedure heard, in order
    };
    const Case cases[] = {
        {"choose Custom",
         [](Rollout& r) { return r.ChooseItem(1001, 0); },
         kPreset,
         0.0f,
         {"change 0", "command 1001 1"}},
        {"choose Titanium",
         [](Rollout& r) { return r.ChooseItem(1001, 10); },
         kPreset,
         10.0f,
         {"change 0", "command 1001 1"}},
        {"type a gamma",
         [](Rollout& r) { return r.TypeText(1502, L"2.5"); },
         kGamma,
         2.5f,
         {"change 7", "command 1502 768"}},
        {"type past the range",
         [](Rollout& r) { return r.TypeText(1502, L"25"); },
         kGamma,
         20.0f,
         {"change 7", "command 1502 768"}},
        {"type with spaces and exponent",
         [](Rollout& r) { return r.TypeText(1504, L" -1e1 "); },
         kHue,
         -10.0f,
         {"change 8", "command 1504 768"}},
        {"step a spinner twice",
         [](Rollout& r) { return r.StepSpinner(1503, 2); },
         kGamma,
         1.0f + 0.01f + 0.01f,
         {"change 7", "spinner 1503", "change 7", "spinner 1503"}},
        {"click a button",
         [](Rollout& r) { return r.ClickButton(1006); },
         -1,
         0.0f,
         {"command 1006 0"}},
        {"open the combo box's list",
         [](Rollout& r) { return r.SendCommand(1001, standin::kCbnDropDown); },
         -1,
         0.0f,
         {"command 1001 7"}},
        {"type into the combo box",
         [](Rollout& r) { return r.TypeText(1001, L"Gol"); },
         -1,
         0.0f,
         {"command 1001 5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MapPtr map = NewMap();
        MaterialEditor editor;
        editor.Show(map.get());
        std::vector<float> expected = Values(*map);
        if (c.id >= 0) expected[static_cast<std::size_t>(c.id)] = c.value;
        events.clear();
        EXPECT_TRUE(c.act(*editor.Rollouts()[0]));
        EXPECT_EQ(events, c.events);
        EXPECT_EQ(Values(*map), expected);
    }
}

TEST_F(MaterialEditorTest, ActionsThatDoNotFitTheControlAreRefused) {
    const std::pair<const char*, std::function<bool(Rollout&)>> cases[] = {
        {"click an edit field", [](Rollout& r) { return r.ClickButton(1490); }},
        {"click a static", [](Rollout& r) { return r.ClickButton(1009); }},
        {"click what nothing addresses", [](Rollout& r) { return r.ClickButton(-1); }},
        {"click a missing control", [](Rollout& r) { return r.ClickButton(4242); }},
        {"choose past the last item", [](Rollout& r) { return r.ChooseItem(1001, 11); }},
        {"choose before the first item", [](Rollout& r) { return r.ChooseItem(1001, -1); }},
        {"choose in an edit field", [](Rollout& r) { return r.ChooseItem(1490, 0); }},
        {"type a word", [](Rollout& r) { return r.TypeText(1502, L"abc"); }},
        {"type a number and more", [](Rollout& r) { return r.TypeText(1502, L"1.5x"); }},
        {"type nothing", [](Rollout& r) { return r.TypeText(1502, L""); }},
        {"type not a number", [](Rollout& r) { return r.TypeText(1502, L"nan"); }},
        {"type into a button", [](Rollout& r) { return r.TypeText(1004, L"1"); }},
        {"step an edit field", [](Rollout& r) { return r.StepSpinner(1502, 1); }},
        {"command from nothing", [](Rollout& r) { return r.SendCommand(-1, 0); }},
    };
    MapPtr map = NewMap();
    MaterialEditor editor;
    editor.Show(map.get());
    const std::vector<float> before = Values(*map);
    for (const auto& [what, act] : cases) {
        SCOPED_TRACE(what);
        events.clear();
        EXPECT_FALSE(act(*editor.Rollouts()[0]));
        EXPECT_EQ(events, Events{});
        EXPECT_EQ(Values(*map), before);
    }
    EXPECT_EQ(editor.FindControl(1502)->text, L"1.0") << "a refused text is not kept";
}

TEST_F(MaterialEditorTest, SpinnersStopAtTheirLimitsAndStepByTheirScale) {
    struct Case {
        int spinner, edit;
        ParamID id;
        int clicks;
        float value;
    };
    const Case cases[] = {
        {1499, 1493, kKR, 1, 3.6092f + 0.001f},    {1496, 1490, kNR, -1000, 0.0f},
        {1503, 1502, kGamma, -200, 0.05f},         {1503, 1502, kGamma, 2000, 20.0f},
        {1505, 1504, kHue, -1801, -180.0f},        {1505, 1504, kHue, 1801, 180.0f},
        {1507, 1506, kSat, 3, 0.1f + 0.1f + 0.1f}, {1507, 1506, kSat, -1001, -100.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "spinner " << c.spinner << ", " << c.clicks << " clicks");
        MapPtr map = NewMap();
        MaterialEditor editor;
        editor.Show(map.get());
        EXPECT_TRUE(editor.FindRollout(c.spinner)->StepSpinner(c.spinner, c.clicks));
        EXPECT_FLOAT_EQ(map->Block()->GetFloat(c.id), c.value);
        EXPECT_EQ(editor.FindControl(c.spinner)->value, map->Block()->GetFloat(c.id));
        EXPECT_EQ(editor.FindControl(c.edit)->value, map->Block()->GetFloat(c.id))
            << "its edit field shows the same value";
    }
}

TEST_F(MaterialEditorTest, EnableAppliesToEveryControlOfTheParameterAndDisabledOnesRefuse) {
    MapPtr map = NewMap();
    MaterialEditor editor;
    editor.Show(map.get());
    Rollout& rollout = *editor.Rollouts()[0];
    IParamMap2* pmap = map->Block()->GetMap(0);
    ASSERT_NE(pmap, nullptr);
    pmap->Enable(kNR, FALSE, 0);
    pmap->Enable(kPreset, FALSE, 0);
    EXPECT_FALSE(rollout.FindControl(1490)->enabled);
    EXPECT_FALSE(rollout.FindControl(1496)->enabled);
    EXPECT_FALSE(rollout.FindControl(1001)->enabled);
    EXPECT_TRUE(rollout.FindControl(1491)->enabled) << "other parameters keep their state";

    const std::vector<float> before = Values(*map);
    events.clear();
    EXPECT_FALSE(rollout.TypeText(1490, L"2"));
    EXPECT_FALSE(rollout.StepSpinner(1496, 1));
    EXPECT_FALSE(rollout.ChooseItem(1001, 0));
    EXPECT_FALSE(rollout.SendCommand(1001, standin::kCbnDropDown));
    EXPECT_EQ(events, Events{});
    EXPECT_EQ(Values(*map), before);

    pmap->Enable(kNR, TRUE, 0);
    EXPECT_TRUE(rollout.FindControl(1490)->enabled && rollout.FindControl(1496)->enabled);
    EXPECT_TRUE(rollout.TypeText(1490, L"2"));
    EXPECT_EQ(map->Block()->GetFloat(kNR), 2.0f);
}

TEST_F(MaterialEditorTest, InvalidateRedrawsFromTheBlockAtTheEditorsTime) {
    MapPtr map = NewMap();
    MaterialEditor editor;
    editor.Show(map.get());
    map->Block()->SetValue(kGamma, 0, 2.0f);
    EXPECT_EQ(editor.FindControl(1502)->text, L"1.0") << "no redraw until asked";

    mapDesc.InvalidateUI(&mapParams, kGamma, -1);
    EXPECT_EQ(editor.FindControl(1502)->text, L"2.0");
    EXPECT_EQ(editor.FindControl(1503)->value, 2.0f);
    for (const Control& c : editor.Rollouts()[0]->Controls()) {
        EXPECT_EQ(c.invalidations, c.paramId == kGamma ? 1 : 0) << "control " << c.id;
    }
    map->Block()->GetMap(0)->Invalidate();
    mapDesc.InvalidateUI(&mapParams, ParamID(-1), -1);  // all parameters, as after a reset
    for (const Control& c : editor.Rollouts()[0]->Controls()) {
        EXPECT_EQ(c.invalidations, c.paramId == kGamma ? 3 : 2) << "control " << c.id;
    }

    // Animated: the rollout shows and sets values at the editor's time.
    {
        AnimateScope animate;
        map->Block()->SetValue(kHue, 4800, 90.0f);
    }
    editor.SetTime(4800);
    EXPECT_EQ(editor.FindControl(1504)->value, map->Block()->GetFloat(kHue, 4800));
    editor.SetTime(9600);
    AnimateScope animate;
    EXPECT_TRUE(editor.FindRollout(1504)->TypeText(1504, L"45"));
    EXPECT_EQ(map->Block()->GetFloat(kHue, 9600), 45.0f);
    const std::vector<TimeValue> keys = standin::KeyTimes(*map->Block(), kHue);
    EXPECT_NE(std::find(keys.begin(), keys.end(), 9600), keys.end());
    ASSERT_NE(TestMap::lastProc, nullptr);
    EXPECT_EQ(TestMap::lastProc->times.back(), 9600) << "the procedure hears the editor's time";
}

TEST_F(MaterialEditorTest, SetThingRetargetsMapsProcedureAndTheSecondaryDialogsThatAreTaken) {
    MapPtr a = NewMap();
    MapPtr b = NewMap();
    b->Block()->SetValue(kPreset, 0, 0);
    b->Block()->SetValue(kGamma, 0, 2.0f);
    MaterialEditor editor;
    ParamDlg* dlg = editor.Show(a.get());
    auto* master = dynamic_cast<IAutoMParamDlg*>(dlg);
    ASSERT_NE(master, nullptr);
    RecordingProc* proc = TestMap::lastProc;
    ParamDlg* outputDlg = TestMap::lastOutputDlg;
    ASSERT_TRUE(proc && outputDlg);
    EXPECT_EQ(outputDlg->GetThing(), a->Output());
    auto* foreign = new RecordingDlg;
    master->AddDlg(foreign);
    EXPECT_EQ(master->NumDlgs(), 2);
    IParamMap2* pmap = a->Block()->GetMap(0);
    bool mapSwitchedFirst = false;
    proc->onSetThing = [&](ReferenceTarget*) { mapSwitchedFirst = b->Block()->GetMap(0) == pmap; };
    events.clear();

    EXPECT_EQ(editor.Show(b.get()), dlg) << "the open dialog is retargeted, not rebuilt";
    EXPECT_EQ(events, (Events{"SetParamBlock", "SetThing"}));
    EXPECT_TRUE(mapSwitchedFirst) << "the procedure's SetThing finds the new block's map";
    EXPECT_EQ(master->GetThing(), b.get());
    EXPECT_EQ(a->Block()->GetMap(0), nullptr);
    EXPECT_EQ(pmap->GetParamBlock(), b->Block());
    EXPECT_EQ(proc->blocks, std::vector<IParamBlock2*>{b->Block()});
    EXPECT_EQ(proc->things, std::vector<ReferenceTarget*>{b.get()});
    EXPECT_EQ(outputDlg->GetThing(), b->Output()) << "taken by SetDlgThing";
    EXPECT_EQ(foreign->thing, nullptr) << "declined by SetDlgThing: left alone";
    EXPECT_EQ(editor.FindControl(1001)->text, L"Custom");
    EXPECT_EQ(editor.FindControl(1502)->text, L"2.0");

    EXPECT_TRUE(editor.FindRollout(1502)->TypeText(1502, L"3"));
    EXPECT_EQ(b->Block()->GetFloat(kGamma), 3.0f);
    EXPECT_EQ(a->Block()->GetFloat(kGamma), 1.0f);
}

TEST_F(MaterialEditorTest, ProceduresAttachedAfterBuildingGetNoInitDialogThoseBeforeDo) {
    MapPtr map = NewMap();
    {
        MaterialEditor editor;
        editor.Show(map.get());
        EXPECT_EQ(events, Events{}) << "the procedure came after the rollout was built";
        ASSERT_NE(TestMap::lastProc, nullptr);
        EXPECT_EQ(editor.FindRollout(1004)->SendMessageToProc(0x200, 0, 0), 0);
        EXPECT_EQ(TestMap::lastProc->maps.back(), map->Block()->GetMap(0));
    }
    events.clear();
    auto* early = new RecordingProc(7);
    mapParams.SetUserDlgProc(0, early);  // no rollout is open: the descriptor keeps it
    IAutoMParamDlg* master = mapDesc.CreateParamDlgs(nullptr, nullptr, map.get());
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(events, Events{"initdialog"});
    EXPECT_EQ(early->maps, std::vector<IParamMap2*>{master->GetMap()});
    EXPECT_EQ(standin::RolloutOf(master->GetMap())->SendMessageToProc(0x200, 0, 0), 7)
        << "the procedure's answer";
    master->DeleteThis();
    EXPECT_EQ(events, (Events{"initdialog", "message 0x200", "delete proc"}));
}

TEST_F(MaterialEditorTest, TheHostDeletesEachProcedureAndDialogItOwnsExactlyOnce) {
    struct Case {
        const char* what;
        std::function<void(MaterialEditor&, MapPtr&)> act;
        Events events;  // after the dialog was shown and the foreign dialog added
    };
    const Case cases[] = {
        {"close the editor",
         [](MaterialEditor& e, MapPtr&) { e.Close(); },
         {"delete dlg", "delete proc"}},
        {"delete the object shown",
         [](MaterialEditor&, MapPtr& m) { m.reset(); },
         {"delete dlg", "delete proc"}},
        {"show an object of another class",
         [](MaterialEditor& e, MapPtr& m) { e.Show(m->Output()); },
         {"delete dlg", "delete proc"}},
        {"attach another procedure",
         [](MaterialEditor&, MapPtr&) { mapParams.SetUserDlgProc(0, new RecordingProc); },
         {"delete proc"}},
        {"attach the same procedure again",
         [](MaterialEditor&, MapPtr&) { mapParams.SetUserDlgProc(0, TestMap::lastProc); },
         {}},
        {"attach another procedure from within the procedure",
         [](MaterialEditor& e, MapPtr&) {
             TestMap::lastProc->onMessage = [](UINT, WPARAM) {
                 mapParams.SetUserDlgProc(0, new RecordingProc);
             };
             e.FindRollout(1004)->ClickButton(1004);
         },
         {"command 1004 0", "delete proc"}},
        {"delete the secondary dialog",
         [](MaterialEditor& e, MapPtr&) {
             auto* master = dynamic_cast<IAutoMParamDlg*>(e.Dialog());
             master->DeleteDlg(master->GetDlg(1));
         },
         {"delete dlg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MapPtr map = NewMap();
        {
            MaterialEditor editor;
            dynamic_cast<IAutoMParamDlg*>(editor.Show(map.get()))->AddDlg(new RecordingDlg);
            events.clear();
            c.act(editor, map);
            EXPECT_EQ(events, c.events);
            events.clear();
        }
        // Whatever is still open goes with the editor; nothing is deleted twice (ASan).
        const auto deletes = std::count(events.begin(), events.end(), "delete proc");
        EXPECT_LE(deletes, 1);
        if (map) {
            EXPECT_EQ(map->Block()->GetMap(0), nullptr) << "no map outlives its dialog";
        }
    }
}

TEST_F(MaterialEditorTest, TwoOpenDialogsOfOneClassKeepTheirOwnProcedures) {
    MapPtr a = NewMap();
    MapPtr b = NewMap();
    auto first = std::make_unique<MaterialEditor>();
    first->Show(a.get());
    RecordingProc* procA = TestMap::lastProc;
    MaterialEditor second;
    events.clear();
    second.Show(b.get());
    RecordingProc* procB = TestMap::lastProc;
    EXPECT_NE(procA, procB);
    // Built while the descriptor still named the first procedure, which hears of it.
    EXPECT_EQ(events, Events{"initdialog"});
    EXPECT_EQ(procA->maps.back(), b->Block()->GetMap(0));

    events.clear();
    first->FindRollout(1004)->ClickButton(1004);
    second.FindRollout(1006)->ClickButton(1006);
    EXPECT_EQ(procA->maps.back(), a->Block()->GetMap(0));
    EXPECT_EQ(procB->maps.back(), b->Block()->GetMap(0));
    EXPECT_EQ(events, (Events{"command 1004 0", "command 1006 0"}));

    events.clear();
    first.reset();
    EXPECT_EQ(events, Events{"delete proc"});
    EXPECT_EQ(second.FindRollout(1006)->ClickButton(1006), true);
    EXPECT_EQ(procB->maps.size(), 2u) << "the second dialog's procedure is still there";
}

}  // namespace
}  // namespace edtest
