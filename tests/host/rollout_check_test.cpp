// The check of a block descriptor's control bindings against its dialog template, run on
// template 101 of veltrane.res: the "params"-shaped descriptor fits; each misfit is named,
// and the editor stops on one rather than build a broken rollout.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <standin/rollout_check.h>

#include "tests/host/editor_fixture.h"

namespace edtest {
namespace {

using RolloutCheck = ResourceModuleSuite;

class BareDesc : public TestDesc {
  public:
    using TestDesc::TestDesc;
    HINSTANCE HInstance() override { return nullptr; }
};

// A one-parameter descriptor on `cd` with rollout `dialog` and one p_ui binding.
std::unique_ptr<ParamBlockDesc2> SpinnerDesc(ClassDesc2& cd, int dialog, int edit, int spinner) {
    return std::make_unique<ParamBlockDesc2>(
        0, L"params", 0, &cd, P_AUTO_CONSTRUCT + P_AUTO_UI, 0, dialog, 4, 0, 0, nullptr, kGamma,
        L"gamma", TYPE_FLOAT, P_ANIMATABLE, 23, p_default, 1.0f, p_range, 0.05f, 20.0f, p_ui,
        TYPE_SPINNER, EDITTYPE_FLOAT, edit, spinner, 0.01f, p_end, p_end);
}

std::unique_ptr<ParamBlockDesc2> ComboDesc(ClassDesc2& cd, int combo) {
    return std::make_unique<ParamBlockDesc2>(0, L"params", 0, &cd, P_AUTO_CONSTRUCT + P_AUTO_UI, 0,
                                             101, 4, 0, 0, nullptr, kPreset, L"preset", TYPE_INT,
                                             P_ANIMATABLE, 11, p_default, 0, p_ui,
                                             TYPE_INT_COMBOBOX, combo, 2, 12, 13, p_end, p_end);
}

TEST_F(RolloutCheck, TheParamsDescriptorFitsTemplate101) {
    EXPECT_EQ(standin::CheckRolloutControls(mapParams), "");
}

TEST_F(RolloutCheck, NamesEachBindingThatDoesNotFit) {
    struct Case {
        const char* what;
        std::function<std::unique_ptr<ParamBlockDesc2>(ClassDesc2&)> make;
        const char* problems;
    };
    const Case cases[] = {
        {"edit field bound to a spinner",
         [](ClassDesc2& cd) { return SpinnerDesc(cd, 101, 1503, 1503); },
         "parameter \"gamma\": edit field (CustEdit) 1503 has class SpinnerControl\n"},
        {"spinner bound to an edit field",
         [](ClassDesc2& cd) { return SpinnerDesc(cd, 101, 1502, 1502); },
         "parameter \"gamma\": spinner (SpinnerControl) 1502 has class CustEdit\n"},
        {"spinner missing", [](ClassDesc2& cd) { return SpinnerDesc(cd, 101, 1502, 1999); },
         "parameter \"gamma\": spinner (SpinnerControl) 1999 is not in the template\n"},
        {"combo box bound to a button", [](ClassDesc2& cd) { return ComboDesc(cd, 1004); },
         "parameter \"preset\": combo box (ComboBox) 1004 has class CustButton\n"},
        {"combo box bound to a static", [](ClassDesc2& cd) { return ComboDesc(cd, 1009); },
         "parameter \"preset\": combo box (ComboBox) 1009 has class Static\n"},
        {"template missing", [](ClassDesc2& cd) { return SpinnerDesc(cd, 102, 1502, 1503); },
         "the module has no dialog template 102\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestDesc cd(Class_ID(0x3A11, 0x3A11));
        std::unique_ptr<ParamBlockDesc2> desc = c.make(cd);
        EXPECT_EQ(standin::CheckRolloutControls(*desc), c.problems);
    }
    BareDesc bare(Class_ID(0x3A12, 0x3A12));
    EXPECT_EQ(standin::CheckRolloutControls(*SpinnerDesc(bare, 101, 1502, 1503)),
              "the module carries no resources\n");
}

TEST_F(RolloutCheck, CreateParamDlgsStopsOnABindingThatDoesNotFit) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TestDesc cd(Class_ID(0x3A13, 0x3A13));
    std::unique_ptr<ParamBlockDesc2> desc = SpinnerDesc(cd, 101, 1503, 1502);
    MapPtr map = NewMap(cd);
    EXPECT_DEATH(cd.CreateParamDlgs(nullptr, nullptr, map.get()),
                 "block \"params\", dialog template 101:\n"
                 "parameter \"gamma\": edit field \\(CustEdit\\) 1503 has class SpinnerControl");
}

}  // namespace
}  // namespace edtest
