// The tagged argument list of a block descriptor, read back as the host would read it.
#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "param_block_fixture.h"
#include "tests/support/ctrl_ids.h"

namespace pbtest {
namespace {

// On the host a double value matches the float and the int overload equally well.
template <typename T, typename = void>
struct CanSetValue : std::false_type {};
template <typename T>
struct CanSetValue<T, std::void_t<decltype(std::declval<IParamBlock2&>().SetValue(
                          ParamID(1), TimeValue(0), std::declval<T>(), 0))>> : std::true_type {};
static_assert(!CanSetValue<double>::value, "SetValue with a double must be ambiguous");
static_assert(CanSetValue<float>::value && CanSetValue<int>::value);
static_assert(CanSetValue<ReferenceTarget*>::value);

TEST(ParamBlockDesc, HeaderArgumentsAndRegistration) {
    EXPECT_EQ(params.ID, 0);
    EXPECT_STREQ(params.int_name.data(), L"params");
    EXPECT_EQ(params.local_name, 0);
    EXPECT_EQ(params.cd, &classDesc);
    EXPECT_EQ(params.flags, 6);
    EXPECT_EQ(params.ref_no, 0);
    EXPECT_EQ(params.dlg_template, 101);
    EXPECT_EQ(params.title, 4);
    EXPECT_EQ(params.test_flags, 0);
    EXPECT_EQ(params.rollup_flags, 0);
    EXPECT_EQ(params.dlgProc, nullptr);
    EXPECT_EQ(params.Count(), 11);

    EXPECT_EQ(classDesc.NumParamBlockDescs(), 1);
    EXPECT_EQ(classDesc.GetParamBlockDesc(0), &params);
    EXPECT_EQ(classDesc.GetParamBlockDescByID(0), &params);
    EXPECT_EQ(classDesc.GetParamBlockDescByID(1), nullptr);
}

TEST(ParamBlockDesc, ParametersReadFieldByField) {
    struct Row {
        ParamID id;
        const wchar_t* name;
        int type, flags;
        StringResID localName;
        float def, low, high;
        int edit, spinner;
        float scale;
    };
    const Row rows[] = {
        {kNR, L"nrvalue", TYPE_FLOAT, P_ANIMATABLE, 5, 0.27105f, 0.0f, 100.0f, 1490, 1496, 0.001f},
        {kNG, L"ngvalue", TYPE_FLOAT, P_ANIMATABLE, 6, 0.97907f, 0.0f, 100.0f, 1491, 1497, 0.001f},
        {kNB, L"nbvalue", TYPE_FLOAT, P_ANIMATABLE, 7, 1.2171f, 0.0f, 100.0f, 1492, 1498, 0.001f},
        {kKR, L"krvalue", TYPE_FLOAT, P_ANIMATABLE, 8, 3.6092f, 0.0f, 100.0f, 1493, 1499, 0.001f},
        {kKG, L"kgvalue", TYPE_FLOAT, P_ANIMATABLE, 9, 2.369f, 0.0f, 100.0f, 1494, 1500, 0.001f},
        {kKB, L"kbvalue", TYPE_FLOAT, P_ANIMATABLE, 10, 2.2908f, 0.0f, 100.0f, 1495, 1501, 0.001f},
        {kGamma, L"gamma", TYPE_FLOAT, P_ANIMATABLE, 23, 1.0f, 0.05f, 20.0f, 1502, 1503, 0.01f},
        {kHue, L"hue", TYPE_FLOAT, P_ANIMATABLE, 24, 0.0f, -180.0f, 180.0f, 1504, 1505, 0.1f},
        {kSat, L"sat", TYPE_FLOAT, P_ANIMATABLE, 25, 0.0f, -100.0f, 100.0f, 1506, 1507, -1.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        ASSERT_GE(params.IDtoIndex(row.id), 0);
        const ParamDef& def = params.GetParamDef(row.id);
        EXPECT_STREQ(def.int_name, row.name);
        EXPECT_EQ(static_cast<int>(def.type), row.type);
        EXPECT_EQ(def.flags, row.flags);
        EXPECT_EQ(def.local_name, row.localName);
        EXPECT_TRUE(def.has_default && def.has_range && has_ui(def));
        // Read from doubles, the float values come back bit for bit.
        EXPECT_EQ(def.def.f, row.def);
        EXPECT_EQ(def.range_low.f, row.low);
        EXPECT_EQ(def.range_high.f, row.high);
        EXPECT_EQ(static_cast<int>(def.ctrl_type), TYPE_SPINNER);
        EXPECT_EQ(def.spin_type, EDITTYPE_FLOAT);
        EXPECT_EQ(CtrlIDs(def), (std::vector<int>{row.edit, row.spinner}));
        EXPECT_EQ(def.scale, row.scale);
    }
}

TEST(ParamBlockDesc, ComboBoxAndOwnersReference) {
    const ParamDef& preset = params.GetParamDef(kPreset);
    EXPECT_EQ(static_cast<int>(preset.type), TYPE_INT);
    EXPECT_EQ(preset.flags, 33);
    EXPECT_EQ(preset.local_name, 11);
    EXPECT_TRUE(preset.has_default);
    EXPECT_FALSE(preset.has_range);
    EXPECT_EQ(preset.def.i, 6);
    EXPECT_EQ(static_cast<int>(preset.ctrl_type), TYPE_INT_COMBOBOX);
    EXPECT_EQ(CtrlIDs(preset), std::vector<int>{1001});
    EXPECT_EQ(preset.item_string_ids,
              (std::vector<int>{12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}));
    EXPECT_EQ(preset.item_values, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    const ParamDef& output = params.GetParamDef(kOutput);
    EXPECT_EQ(static_cast<int>(output.type), TYPE_REFTARG);
    EXPECT_EQ(output.flags, P_OWNERS_REF);
    EXPECT_EQ(output.local_name, 27);
    EXPECT_EQ(output.refno, 1);
    EXPECT_FALSE(output.has_default || output.has_range || has_ui(output));
}

TEST(ParamBlockDesc, IndexAndIDLookups) {
    EXPECT_EQ(params.IDtoIndex(10), -1);  // no parameter 10
    EXPECT_EQ(params.IDtoIndex(kOutput), 10);
    EXPECT_EQ(params.IndextoID(9), kSat);
    EXPECT_EQ(params.IndextoID(10), kOutput);
    EXPECT_EQ(params.IndextoID(11), -1);
    EXPECT_EQ(params.IndextoID(-1), -1);
}

ClassDesc2* NewClassDesc() {
    struct Desc : ClassDesc2 {
        int IsPublic() override { return 0; }
        void* Create(BOOL) override { return nullptr; }
        const MCHAR* ClassName() override { return L"x"; }
        const MCHAR* NonLocalizedClassName() override { return L"x"; }
        SClass_ID SuperClassID() override { return REF_TARGET_CLASS_ID; }
        Class_ID ClassID() override { return Class_ID(1, 2); }
        const MCHAR* Category() override { return L""; }
    };
    return new Desc;
}

ParamBlockDesc2* NewBlockDesc(ClassDesc2* cd, ParamMap2UserDlgProc* proc = nullptr) {
    return new ParamBlockDesc2(3, L"extra", 0, cd, P_AUTO_CONSTRUCT + P_AUTO_UI + P_VERSION, 2, 5,
                               102, 4, 0, 0, proc, 1, L"count", TYPE_INT, 0, 1, p_default, 3,
                               p_range, 0, 10, p_end, p_end);
}

// The descriptors are statics of a module: the block descriptor goes first at unload, but
// either order must leave nothing dangling.
TEST(ParamBlockDesc, DestructionInEitherOrderUnregisters) {
    ClassDesc2* cd = NewClassDesc();
    ParamBlockDesc2* pbd = NewBlockDesc(cd);
    EXPECT_EQ(pbd->version, 2u);
    EXPECT_EQ(pbd->ref_no, 5);
    EXPECT_EQ(pbd->GetParamDef(1).range_high.i, 10);
    ASSERT_EQ(cd->NumParamBlockDescs(), 1);
    delete pbd;
    EXPECT_EQ(cd->NumParamBlockDescs(), 0);

    pbd = NewBlockDesc(cd);
    delete cd;
    EXPECT_EQ(pbd->cd, nullptr);
    delete pbd;
}

}  // namespace
}  // namespace pbtest
