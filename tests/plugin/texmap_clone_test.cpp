// Cloning: the copy has its own block and output with the same values, keys and base state,
// is independent of its original, and does not carry the sub-texmap over.

#include "tests/plugin/texmap_fixture.h"
#include "tests/support/animate_scope.h"
#include "tests/support/same_block.h"

namespace texmap_test {
namespace {

const TimeValue kTimes[] = {-100, 0, 40, 100, 160, 1000};

class TexmapClone : public TexmapTest {
  protected:
    // As the host clones: through a remap directory of the clone's own.
    static MapPtr CloneOf(Texmap& original) {
        return MapPtr(dynamic_cast<Texmap*>(CloneRefHierarchy(&original)));
    }

    // Custom values under a metal, animated hue and preset, a changed output and base state.
    MapPtr Decorated() {
        MapPtr map = NewMap();
        IParamBlock2& block = Block(*map);
        block.SetValue(kPreset, 0, 4);
        block.SetValue(kNRed, 0, 3.5f);
        block.SetValue(kSat, 0, 25.0f);
        {
            AnimateScope animate;
            block.SetValue(kHue, 100, 60.0f);
            block.SetValue(kPreset, 40, 7);
        }
        OutputOf(*map)->SetOutputLevel(0, 0.7f);
        map->gbufID = 9;
        map->SetName(MSTR(L"Brass"));
        return map;
    }
};

TEST_F(TexmapClone, ACopyHasItsOwnReferencesWithTheSameContent) {
    MapPtr original = Decorated();
    MapPtr copy = CloneOf(*original);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy.get(), original.get());
    EXPECT_EQ(copy->ClassID(), original->ClassID());

    IParamBlock2* block = copy->GetParamBlock(0);
    ASSERT_NE(block, nullptr);
    EXPECT_NE(block, original->GetParamBlock(0));
    EXPECT_EQ(block->ID(), 0);
    ExpectSameBlock(*block, Block(*original), kAllParamIDs, kTimes);

    TextureOutput* output = OutputOf(*copy);
    ASSERT_NE(output, nullptr);
    EXPECT_NE(output, OutputOf(*original));
    EXPECT_EQ(output->GetOutputLevel(0), 0.7f);
    EXPECT_EQ(OutputViaBlock(*copy), output);

    EXPECT_EQ(copy->gbufID, 9u);
    EXPECT_EQ(std::wstring(copy->GetName().data()), L"Brass");

    for (TimeValue t : kTimes) {
        SCOPED_TRACE(t);
        Interval a = FOREVER, b = FOREVER;
        original->Update(t, a);
        copy->Update(t, b);
        EXPECT_TRUE(a == b);
        for (const View& view : Views()) {
            EXPECT_TRUE(SameBits(EvalColorAt(*copy, view.n, view.v),
                                 EvalColorAt(*original, view.n, view.v)))
                << view.what;
        }
    }
}

TEST_F(TexmapClone, ChangingOneLeavesTheOtherAlone) {
    for (bool changeCopy : {false, true}) {
        SCOPED_TRACE(changeCopy ? "copy changed" : "original changed");
        MapPtr original = Decorated();
        MapPtr copy = CloneOf(*original);
        Texmap& changed = changeCopy ? *copy : *original;
        Texmap& other = changeCopy ? *original : *copy;
        MapPtr reference = Decorated();  // what the unchanged one must still hold

        Block(changed).SetValue(kPreset, 0, 2);
        Block(changed).SetValue(kGamma, 0, 3.0f);
        {
            AnimateScope animate;
            Block(changed).SetValue(kKRed, 70, 9.0f);
        }
        OutputOf(changed)->SetInvert(TRUE);
        changed.gbufID = 1;

        // The changed map's block reports to its own map, which applied the metal.
        EXPECT_TRUE(SameParams(
            ReadParams(Block(changed), 0),
            Metal(2, 3.0f, Block(changed).GetFloat(kHue, 0), Block(changed).GetFloat(kSat, 0))));
        ExpectSameBlock(Block(other), Block(*reference), kAllParamIDs, kTimes);
        EXPECT_EQ(OutputOf(other)->GetInvert(), FALSE);
        EXPECT_EQ(other.gbufID, 9u);
    }
}

TEST_F(TexmapClone, ACopyOutlivesItsOriginal) {
    MapPtr original = Decorated();
    const Params expected = ReadParams(Block(*original), 100);
    MapPtr copy = CloneOf(*original);
    original.reset();
    UpdateAt(*copy, 100);
    EXPECT_TRUE(SameParams(ReadParams(Block(*copy), 100), expected));
    const View& view = Views()[2];
    EXPECT_TRUE(SameBits(EvalColorAt(*copy, view.n, view.v),
                         CoreColorThroughOutput(*copy, view.n, view.v, expected)));
}

// The copy's snapshot starts empty: its first update reads its own block, even where the
// original's snapshot would still be taken as current.
TEST_F(TexmapClone, ACopyReadsItsBlockOnItsFirstUpdate) {
    MapPtr original = NewMap();
    UpdateAt(*original, 0);
    MapPtr gold = NewMap();
    Block(*gold).SetValue(kPreset, 0, 3);
    CopyValuesBySaveAndLoad(Block(*original), Block(*gold));
    MapPtr copy = CloneOf(*original);
    UpdateAt(*copy, 0);
    const View& view = Views()[2];
    EXPECT_TRUE(SameBits(EvalColorAt(*copy, view.n, view.v),
                         CoreColorThroughOutput(*copy, view.n, view.v, Metal(3))));
}

TEST_F(TexmapClone, TheSubTexmapStaysWithTheOriginal) {
    MapPtr original = NewMap();
    Texmap* sub = NewMap().release();  // held by the original from here on
    original->SetSubTexmap(0, sub);
    MapPtr copy = CloneOf(*original);
    EXPECT_EQ(copy->GetSubTexmap(0), nullptr);
    EXPECT_EQ(copy->GetReference(2), nullptr);
    EXPECT_EQ(original->GetSubTexmap(0), sub);
}

// A map whose output the host removed clones into a map without one, and evaluates.
TEST_F(TexmapClone, AMapWithoutAnOutputClonesWithoutOne) {
    MapPtr original = NewMap();
    ASSERT_EQ(original->ReplaceReference(1, nullptr), REF_SUCCEED);
    MapPtr copy = CloneOf(*original);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetReference(1), nullptr);
    UpdateAt(*copy, 0);
    const View& view = Views()[0];
    EXPECT_TRUE(SameBits(EvalColorAt(*copy, view.n, view.v),
                         CoreReflectance(view.n, view.v, DefaultParams())));
}

}  // namespace
}  // namespace texmap_test
