// The metal table against its decimal source, and ApplyPreset through a recording store.
#include "core/presets.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "tests/core/core_test_util.h"

namespace veltrane {
namespace {

TEST(MetalPresets, TableMatchesTheDecimalValuesBitForBit) {
    // Index, display-string ID, then nR nG nB kR kG kB as published.
    struct Row {
        int index, stringId;
        const char* values[6];
    };
    const Row rows[] = {
        {1, 13, {"0.049517", "0.052", "0.052893", "4.4114", "3.2297", "2.9123"}},
        {2, 14, {"1.3424", "0.82373", "0.70103", "7.4737", "5.9741", "5.5884"}},
        {3, 15, {"0.11114", "0.615", "1.2865", "3.5041", "1.7816", "1.5789"}},
        {4, 16, {"2.2371", "1.9304", "1.8212", "4.2357", "3.6228", "3.4324"}},
        {5, 17, {"3.4259", "2.4904", "2.219", "4.2732", "4.1003", "3.9736"}},
        {6, 18, {"0.27105", "0.97907", "1.2171", "3.6092", "2.369", "2.2908"}},
        {7, 19, {"2.9114", "2.8072", "2.6812", "3.0893", "2.8968", "2.8296"}},
        {8, 20, {"2.0592", "1.728", "1.6597", "3.7574", "3.0549", "2.8486"}},
        {9, 21, {"2.3757", "1.9839", "1.902", "4.2654", "3.4841", "3.281"}},
        {10, 22, {"2.7407", "2.4048", "2.3264", "3.8143", "3.2516", "3.1144"}},
    };
    ASSERT_EQ(std::size(rows), kMetalPresets.size());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        const MetalPreset* preset = FindMetalPreset(row.index);
        ASSERT_NE(preset, nullptr);
        EXPECT_EQ(preset->index, row.index);
        EXPECT_EQ(preset->nameStringId, row.stringId);
        const ComplexIOR& ior = preset->ior;
        const float actual[6] = {ior.nR, ior.nG, ior.nB, ior.kR, ior.kG, ior.kB};
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(SameBits(actual[i], std::strtof(row.values[i], nullptr))) << row.values[i];
        }
    }
}

TEST(MetalPresets, OnlyOneToTenSelectAMetal) {
    for (int index : {0, -1, 11, INT_MIN, INT_MAX})
        EXPECT_EQ(FindMetalPreset(index), nullptr) << index;
    EXPECT_EQ(FindMetalPreset(kPresetDefault)->nameStringId, 18);  // Copper
}

struct Write {
    int paramId;
    TimeValue t;
    float value;
    int tabIndex;
};

class RecordingStore : public ParamStore {
  public:
    void SetFloat(int paramId, TimeValue t, float value, int tabIndex) override {
        writes.push_back({paramId, t, value, tabIndex});
    }
    std::vector<Write> writes;
};

TEST(ApplyPreset, WritesTheRowInOrderAtTimeZeroAndTabZero) {
    for (const MetalPreset& preset : kMetalPresets) {
        SCOPED_TRACE(preset.index);
        RecordingStore store;
        ApplyPreset(store, preset.index);
        const ComplexIOR& ior = preset.ior;
        const float expected[6] = {ior.nR, ior.nG, ior.nB, ior.kR, ior.kG, ior.kB};
        ASSERT_EQ(store.writes.size(), 6u);
        for (int i = 0; i < 6; ++i) {
            const Write& w = store.writes[static_cast<std::size_t>(i)];
            EXPECT_EQ(w.paramId, i + 1);
            EXPECT_EQ(w.t, 0);
            EXPECT_EQ(w.tabIndex, 0);
            EXPECT_TRUE(SameBits(w.value, expected[i]));
        }
    }
}

TEST(ApplyPreset, IndicesWithoutAMetalWriteNothing) {
    for (int index : {kPresetCustom, -1, 11, INT_MIN, INT_MAX}) {
        RecordingStore store;
        ApplyPreset(store, index);
        EXPECT_TRUE(store.writes.empty()) << index;
    }
}

}  // namespace
}  // namespace veltrane
