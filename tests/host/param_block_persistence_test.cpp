// A parameter block's values and keys through saving, loading and cloning.
#include <gtest/gtest.h>

#include <cstdint>

#include <standin/chunk_stream.h>
#include <standin/class_directory.h>
#include <standin/param_block_class.h>
#include <standin/param_keys.h>
#include <standin/scene_file.h>

#include "param_block_fixture.h"
#include "tests/support/animate_scope.h"
#include "tests/support/same_block.h"

namespace pbtest {
namespace {

// Custom, unanimated and animated values of both kinds.
void Customise(IParamBlock2& block) {
    block.SetValue(kHue, 0, -12.5f);
    block.SetValue(kNR, 0, 0.049517f);
    AnimateScope animate;
    block.SetValue(kGamma, 80, 2.5f);
    block.SetValue(kGamma, 160, 0.5f);
    block.SetValue(kPreset, 40, 3);
}

const TimeValue kProbeTimes[] = {-100, 0, 40, 79, 80, 120, 160, 1000};
// Every parameter with a value of its own: all but the owner's output.
const ParamID kValueIDs[] = {kPreset, kNR, kNG, kNB, kKR, kKG, kKB, kGamma, kHue, kSat};

std::vector<std::uint8_t> Saved(IParamBlock2& block) {
    standin::ChunkWriter writer;
    EXPECT_EQ(block.Save(&writer), IO_OK);
    EXPECT_EQ(writer.Depth(), 0);
    return writer.Bytes();
}

IParamBlock2* NewBlockForLoading() {
    return dynamic_cast<IParamBlock2*>(
        static_cast<Animatable*>(standin::ParamBlock2ClassDesc()->Create(TRUE)));
}

TEST(ParamBlockPersistence, SaveAndLoadKeepValuesAndKeys) {
    OwnerPtr original = NewOwner();
    Customise(*original->Block());
    const std::vector<std::uint8_t> bytes = Saved(*original->Block());

    // Into a block the class descriptor made for loading, as a scene file does...
    IParamBlock2* loaded = NewBlockForLoading();
    ASSERT_NE(loaded, nullptr);
    standin::ChunkReader reader(bytes.data(), bytes.size());
    ASSERT_EQ(loaded->Load(&reader), IO_OK);
    EXPECT_EQ(loaded->GetDesc(), &params);
    ExpectSameBlock(*loaded, *original->Block(), kValueIDs, kProbeTimes);
    loaded->DeleteThis();

    // ...and over the defaults of an owner's own block.
    OwnerPtr other = NewOwner();
    standin::ChunkReader again(bytes.data(), bytes.size());
    ASSERT_EQ(other->Block()->Load(&again), IO_OK);
    ExpectSameBlock(*other->Block(), *original->Block(), kValueIDs, kProbeTimes);
}

TEST(ParamBlockPersistence, DamagedDataIsAnError) {
    OwnerPtr original = NewOwner();
    Customise(*original->Block());
    const std::vector<std::uint8_t> bytes = Saved(*original->Block());

    // Cut anywhere, the stream must fail to load or load what it still holds; never crash.
    int failures = 0;
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        IParamBlock2* block = NewBlockForLoading();
        standin::ChunkReader reader(bytes.data(), size);
        if (block->Load(&reader) != IO_OK) ++failures;
        block->DeleteThis();
    }
    EXPECT_GT(failures, 0);

    // A block of a class that is not loaded cannot be placed.
    std::vector<std::uint8_t> foreign = bytes;
    foreign[standin::kChunkHeaderSize + 4] ^= 0xff;  // the owner's class ID
    IParamBlock2* block = NewBlockForLoading();
    standin::ChunkReader reader(foreign.data(), foreign.size());
    EXPECT_EQ(block->Load(&reader), IO_ERROR);
    block->DeleteThis();
}

TEST(ParamBlockPersistence, SceneRoundTripRestoresTheOwnersBlock) {
    standin::SceneRoots roots;  // owns the original
    TestOwner* original = NewOwner().release();
    Customise(*original->Block());
    roots.Add(original);
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(standin::SaveScene(roots, bytes), IO_OK);

    standin::ClassDirectory classes;
    classes.Register(&classDesc);
    classes.Register(standin::ParamBlock2ClassDesc());
    standin::SceneRoots loaded;
    std::string error;
    ASSERT_EQ(standin::LoadScene(bytes.data(), bytes.size(), classes, loaded, &error), IO_OK)
        << error;
    auto* owner = dynamic_cast<TestOwner*>(loaded.Get(0));
    ASSERT_NE(owner, nullptr);
    IParamBlock2* block = owner->Block();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetOwner(), owner);
    ExpectSameBlock(*block, *original->Block(), kValueIDs, kProbeTimes);

    // The owner's reference parameter follows the loaded owner.
    Interval valid = FOREVER;
    ReferenceTarget* output = nullptr;
    ASSERT_TRUE(block->GetValue(kOutput, 0, output, valid));
    EXPECT_EQ(output, owner->GetReference(1));
    EXPECT_NE(output, nullptr);
}

TEST(ParamBlockPersistence, CloneIsIndependent) {
    OwnerPtr original = NewOwner();
    IParamBlock2* block = original->Block();
    Customise(*block);

    auto* copy = dynamic_cast<IParamBlock2*>(CloneRefHierarchy(block));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, block);
    OwnerPtr other = NewOwner();
    other->ReplaceReference(0, copy);  // the new owner's default block goes
    ASSERT_EQ(other->Block(), copy);
    EXPECT_EQ(copy->GetOwner(), other.get());
    EXPECT_EQ(copy->GetDesc(), &params);
    ExpectSameBlock(*copy, *block, kValueIDs, kProbeTimes);

    copy->SetValue(kHue, 0, 99.0f);
    block->SetValue(kSat, 0, -99.0f);
    {
        AnimateScope animate;
        copy->SetValue(kGamma, 500, 9.0f);
    }
    EXPECT_EQ(block->GetFloat(kHue), -12.5f);
    EXPECT_EQ(copy->GetFloat(kSat), 0.0f);
    EXPECT_EQ(standin::KeyTimes(*block, kGamma), (std::vector<TimeValue>{0, 80, 160}));
    EXPECT_EQ(other->changes, (std::vector<ParamID>{kHue, kGamma}));

    Interval valid = FOREVER;
    ReferenceTarget* output = nullptr;
    ASSERT_TRUE(copy->GetValue(kOutput, 0, output, valid));
    EXPECT_EQ(output, other->GetReference(1));
}

}  // namespace
}  // namespace pbtest
