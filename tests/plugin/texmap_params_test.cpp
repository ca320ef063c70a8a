// A new texture map as the host finds it: identity, references, sub-animatables, the block
// descriptor "params" with its declared table, and the defaults of a new block.
#include <climits>
#include <string>
#include <type_traits>

#include "core/presets.h"
#include "plugin/veltrane.h"
#include "tests/plugin/texmap_fixture.h"
#include "tests/support/ctrl_ids.h"

namespace texmap_test {
namespace {

using TexmapParams = TexmapTest;

// Nothing derives from the map: the host makes it through its class descriptor only.
static_assert(std::is_final_v<Veltrane>);

std::wstring Text(const MSTR& s) {
    return s.data();
}

TEST_F(TexmapParams, IdentityAndStructureOfANewMap) {
    MapPtr map = NewMap();
    EXPECT_EQ(map->ClassID(), Class_ID(0x9F6ECB34, 0x768F22AB));
    EXPECT_EQ(map->SuperClassID(), static_cast<SClass_ID>(TEXMAP_CLASS_ID));
    for (bool localized : {true, false}) {
        MSTR name;
        map->GetClassName(name, localized);
        EXPECT_EQ(Text(name), L"Veltrane");
    }
    EXPECT_EQ(map->NumRefs(), 3);
    EXPECT_EQ(map->NumSubs(), 3);
    EXPECT_EQ(map->NumSubTexmaps(), 1);
    EXPECT_EQ(map->NumParamBlocks(), 1);

    IParamBlock2* block = map->GetParamBlock(0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(map->GetReference(0), block);
    EXPECT_EQ(block->ID(), 0);
    TextureOutput* output = OutputOf(*map);
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->SuperClassID(), static_cast<SClass_ID>(TEXOUTPUT_CLASS_ID));
    EXPECT_EQ(output->GetOutputLevel(0), 1.0f);
    EXPECT_EQ(output->GetInvert(), FALSE);
    EXPECT_EQ(map->GetReference(2), nullptr);
    EXPECT_EQ(map->GetSubTexmap(0), nullptr);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(map->SubAnim(i), map->GetReference(i)) << i;

    // The block's "output" parameter is the map's own reference 1.
    EXPECT_EQ(OutputViaBlock(*map), output);

    for (int i : {0, 1, 7, -1}) EXPECT_EQ(map->GetParamBlock(i), block) << i;
    EXPECT_EQ(map->GetParamBlockByID(0), block);
    for (BlockID id : {BlockID(1), BlockID(10), BlockID(-1)}) {
        EXPECT_EQ(map->GetParamBlockByID(id), nullptr) << id;
    }
    EXPECT_TRUE(map->Validity(0) == FOREVER);
}

TEST_F(TexmapParams, ANewBlockHoldsTheCopperDefaultsBitForBit) {
    MapPtr map = NewMap();
    IParamBlock2& block = Block(*map);
    const Params defaults = DefaultParams();
    for (ParamID id : kFloatIDs) {
        SCOPED_TRACE(id);
        float v = -1.0f;
        Interval valid = FOREVER;
        EXPECT_TRUE(block.GetValue(id, 0, v, valid));
        EXPECT_EQ(Bits(v), Bits(Field(defaults, id)));
        EXPECT_TRUE(valid == FOREVER);  // not animated
    }
    EXPECT_EQ(Field(defaults, kGamma), 1.0f);
    EXPECT_EQ(Field(defaults, kHue), 0.0f);
    EXPECT_EQ(Field(defaults, kSat), 0.0f);
    EXPECT_EQ(block.GetInt(kPreset, 0), 6);
    EXPECT_EQ(veltrane::kPresetDefault, 6);
}

TEST_F(TexmapParams, SubAnimAndSlotNames) {
    MapPtr map = NewMap();
    for (bool localized : {true, false}) {
        SCOPED_TRACE(localized);
        EXPECT_EQ(Text(map->SubAnimName(0, localized)), L"Parameters");
        EXPECT_EQ(Text(map->SubAnimName(1, localized)), L"Output");
        // The host's track-view name of sub-texmap slot 0, whose slot name is empty.
        EXPECT_EQ(Text(map->SubAnimName(2, localized)), Text(map->GetSubTexmapTVName(0, true)));
        EXPECT_EQ(Text(map->SubAnimName(2, localized)), L"Map 1");
        for (int i : {3, -1, INT_MAX}) EXPECT_EQ(Text(map->SubAnimName(i, localized)), L"") << i;
        for (int i : {0, 1, -1}) {
            EXPECT_EQ(Text(map->GetSubTexmapSlotName(i, localized)), L"") << i;
        }
    }
}

TEST_F(TexmapParams, SubTexmapSlotZeroIsReferenceTwo) {
    MapPtr map = NewMap();
    Texmap* sub = NewMap().release();  // held by the map from here on
    map->SetSubTexmap(0, sub);
    EXPECT_EQ(map->GetReference(2), sub);
    EXPECT_EQ(map->SubAnim(2), sub);
    EXPECT_EQ(map->GetSubTexmap(0), sub);
    map->SetSubTexmap(0, nullptr);  // releases, and so deletes, the sub-map
    EXPECT_EQ(map->GetReference(2), nullptr);
    EXPECT_EQ(map->GetSubTexmap(0), nullptr);
}

// Indices outside 0..2 (references) and 0 (sub-texmaps) must neither read nor write: a
// sub-texmap index of -1 or -2 would otherwise land on the texture output or the block.
TEST_F(TexmapParams, IndicesOutOfRangeReadAndWriteNothing) {
    MapPtr map = NewMap();
    MapPtr stranger = NewMap();
    TextureOutput* spare = GetNewDefaultTextureOutput();
    ReferenceTarget* const before[3] = {map->GetReference(0), map->GetReference(1),
                                        map->GetReference(2)};
    auto unchanged = [&] {
        for (int i = 0; i < 3; ++i) {
            if (map->GetReference(i) != before[i]) return false;
        }
        return true;
    };

    for (int i : {-1, 3, 4, 1000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(map->GetReference(i), nullptr);
        EXPECT_EQ(map->SubAnim(i), nullptr);
        EXPECT_EQ(map->ReplaceReference(i, spare, TRUE), REF_FAIL);
        EXPECT_TRUE(unchanged());
    }
    for (int i : {-2, -1, 1, 2, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(map->GetSubTexmap(i), nullptr);
        map->SetSubTexmap(i, stranger.get());
        EXPECT_TRUE(unchanged());
    }
    spare->DeleteThis();  // no reference took it
}

TEST_F(TexmapParams, BlockDescriptorHeader) {
    MapPtr map = NewMap();
    ParamBlockDesc2* pbd = Block(*map).GetDesc();
    ASSERT_NE(pbd, nullptr);
    EXPECT_EQ(pbd->ID, 0);
    EXPECT_EQ(Text(pbd->int_name), L"params");
    EXPECT_EQ(pbd->local_name, 0);
    EXPECT_EQ(pbd->cd, &Desc2());
    EXPECT_EQ(pbd->flags, P_AUTO_CONSTRUCT | P_AUTO_UI);
    EXPECT_EQ(pbd->ref_no, 0);
    EXPECT_EQ(pbd->dlg_template, 101);
    EXPECT_EQ(pbd->title, 4);
    EXPECT_EQ(pbd->test_flags, 0);
    EXPECT_EQ(pbd->rollup_flags, 0);
    EXPECT_EQ(pbd->GetUserDlgProc(0), nullptr);  // attached only when a dialog opens
    // A host reaches the descriptions through the plain class descriptor.
    ClassDesc& desc = Desc();
    EXPECT_EQ(desc.NumParamBlockDescs(), 1);
    EXPECT_EQ(desc.GetParamBlockDesc(0), pbd);
    EXPECT_EQ(desc.GetParamBlockDescByID(0), pbd);
    EXPECT_EQ(desc.GetParamBlockDescByID(1), nullptr);

    // Eleven parameters in declaration order, with nothing at ID 10.
    ASSERT_EQ(pbd->Count(), 11);
    const ParamID order[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(pbd->IndextoID(i), order[i]) << i;
    EXPECT_EQ(pbd->IDtoIndex(10), -1);
    EXPECT_EQ(pbd->IDtoIndex(12), -1);
}

TEST_F(TexmapParams, FloatParameterTable) {
    struct Row {
        ParamID id;
        const wchar_t* name;
        StringResID string;
        double low, high;
        int edit, spinner;
        double scale;
    };
    const Row rows[] = {
        {kNRed, L"nrvalue", 5, 0.0, 100.0, 1490, 1496, 0.001},
        {kNGreen, L"ngvalue", 6, 0.0, 100.0, 1491, 1497, 0.001},
        {kNBlue, L"nbvalue", 7, 0.0, 100.0, 1492, 1498, 0.001},
        {kKRed, L"krvalue", 8, 0.0, 100.0, 1493, 1499, 0.001},
        {kKGreen, L"kgvalue", 9, 0.0, 100.0, 1494, 1500, 0.001},
        {kKBlue, L"kbvalue", 10, 0.0, 100.0, 1495, 1501, 0.001},
        {kGamma, L"gamma", 23, 0.05, 20.0, 1502, 1503, 0.01},
        {kHue, L"hue", 24, -180.0, 180.0, 1504, 1505, 0.1},
        {kSat, L"sat", 25, -100.0, 100.0, 1506, 1507, 0.1},
    };
    MapPtr map = NewMap();
    ParamBlockDesc2& pbd = *Block(*map).GetDesc();
    const Params defaults = DefaultParams();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        const ParamDef& def = pbd.GetParamDef(row.id);
        EXPECT_EQ(def.ID, row.id);
        EXPECT_EQ(std::wstring(def.int_name), row.name);
        EXPECT_EQ(def.type, static_cast<ParamType2>(TYPE_FLOAT));
        EXPECT_EQ(def.flags, P_ANIMATABLE);
        EXPECT_EQ(def.local_name, row.string);
        EXPECT_TRUE(def.has_default);
        EXPECT_EQ(Bits(def.def.f), Bits(Field(defaults, row.id)));
        EXPECT_TRUE(def.has_range);
        EXPECT_EQ(Bits(def.range_low.f), Bits(static_cast<float>(row.low)));
        EXPECT_EQ(Bits(def.range_high.f), Bits(static_cast<float>(row.high)));
        EXPECT_TRUE(has_ui(def));
        EXPECT_EQ(def.ctrl_type, static_cast<ControlType2>(TYPE_SPINNER));
        EXPECT_EQ(def.spin_type, EDITTYPE_FLOAT);
        EXPECT_EQ(CtrlIDs(def), (std::vector<int>{row.edit, row.spinner}));
        EXPECT_EQ(Bits(def.scale), Bits(static_cast<float>(row.scale)));
    }
}

TEST_F(TexmapParams, PresetAndOutputParameters) {
    MapPtr map = NewMap();
    ParamBlockDesc2& pbd = *Block(*map).GetDesc();

    const ParamDef& preset = pbd.GetParamDef(kPreset);
    EXPECT_EQ(std::wstring(preset.int_name), L"preset");
    EXPECT_EQ(preset.type, static_cast<ParamType2>(TYPE_INT));
    EXPECT_EQ(preset.flags, P_ANIMATABLE | P_RESET_DEFAULT);
    EXPECT_EQ(preset.local_name, 11);
    EXPECT_TRUE(preset.has_default);
    EXPECT_EQ(preset.def.i, 6);
    EXPECT_FALSE(preset.has_range);
    EXPECT_TRUE(has_ui(preset));
    EXPECT_EQ(preset.ctrl_type, static_cast<ControlType2>(TYPE_INT_COMBOBOX));
    EXPECT_EQ(CtrlIDs(preset), std::vector<int>{1001});
    // "Custom" then the ten metals in preset order; each item's value is its position.
    std::vector<int> strings, values;
    for (int i = 0; i <= 10; ++i) {
        strings.push_back(12 + i);
        values.push_back(i);
    }
    EXPECT_EQ(preset.item_string_ids, strings);
    EXPECT_EQ(preset.item_values, values);
    for (const veltrane::MetalPreset& metal : veltrane::kMetalPresets) {
        EXPECT_EQ(preset.item_string_ids[static_cast<std::size_t>(metal.index)],
                  metal.nameStringId);
    }

    const ParamDef& output = pbd.GetParamDef(kOutput);
    EXPECT_EQ(std::wstring(output.int_name), L"output");
    EXPECT_EQ(output.type, static_cast<ParamType2>(TYPE_REFTARG));
    EXPECT_EQ(output.flags, P_OWNERS_REF);
    EXPECT_EQ(output.local_name, 27);
    EXPECT_EQ(output.refno, 1);
    EXPECT_FALSE(output.has_default);
    EXPECT_FALSE(output.has_range);
    EXPECT_FALSE(has_ui(output));
}

}  // namespace
}  // namespace texmap_test
