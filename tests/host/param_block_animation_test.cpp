// Animated parameter values: keys made in animate mode, values between and around them, and
// the interval over which each returned value holds.
#include <gtest/gtest.h>

#include <standin/param_keys.h>

#include "param_block_fixture.h"
#include "tests/support/animate_scope.h"

namespace pbtest {
namespace {

constexpr TimeValue kNeg = TIME_NegInfinity;
constexpr TimeValue kPos = TIME_PosInfinity;

struct Sample {
    TimeValue t;
    double value;
    TimeValue start, end;  // the interval the value holds over
};

template <typename T>
void ExpectSamples(IParamBlock2& block, ParamID id, const std::vector<Sample>& samples) {
    for (const Sample& s : samples) {
        SCOPED_TRACE(testing::Message() << "t = " << s.t);
        Interval valid(-100000, 100000);  // narrowed, never widened
        T v{};
        ASSERT_TRUE(block.GetValue(id, s.t, v, valid));
        EXPECT_EQ(static_cast<double>(v), s.value);
        EXPECT_EQ(valid.Start(), std::max(s.start, -100000));
        EXPECT_EQ(valid.End(), std::min(s.end, 100000));
    }
}

TEST(ParamBlockAnimation, FloatKeysInterpolateLinearly) {
    OwnerPtr owner = NewOwner();
    IParamBlock2& block = *owner->Block();
    block.SetValue(kGamma, 0, 1.0f);
    {
        AnimateScope animate;
        block.SetValue(kGamma, 100, 3.0f);  // also keeps 1 at time 0
        block.SetValue(kGamma, 200, 3.0f);
        block.SetValue(kGamma, 300, 5.0f);
    }
    EXPECT_EQ(standin::KeyTimes(block, kGamma), (std::vector<TimeValue>{0, 100, 200, 300}));
    ExpectSamples<float>(block, kGamma,
                         {
                             {-50, 1.0, kNeg, 0},   // before the first key: its value
                             {0, 1.0, kNeg, 0},     // moves right after the key
                             {50, 2.0, 50, 50},     // changing: an instant
                             {100, 3.0, 100, 200},  // flat between equal keys
                             {150, 3.0, 100, 200},
                             {250, 4.0, 250, 250},
                             {300, 5.0, 300, kPos},
                             {900, 5.0, 300, kPos},
                         });
}

TEST(ParamBlockAnimation, IntegerKeysHoldUntilTheNextKey) {
    OwnerPtr owner = NewOwner();
    IParamBlock2& block = *owner->Block();
    {
        AnimateScope animate;
        block.SetValue(kPreset, 100, 2);
        block.SetValue(kPreset, 200, 2);
        block.SetValue(kPreset, 300, 9);
    }
    ExpectSamples<int>(block, kPreset,
                       {
                           {-10, 6, kNeg, 99},
                           {99, 6, kNeg, 99},
                           {100, 2, 100, 299},
                           {250, 2, 100, 299},
                           {300, 9, 300, kPos},
                       });
    EXPECT_EQ(block.GetInt(kPreset, 0), 6);  // "read at time 0" sees the key at 0
}

// The switch is the host's global one; SuspendAnimate/ResumeAnimate nest as a stack.
TEST(ParamBlockAnimation, TheAnimateSwitch) {
    EXPECT_EQ(Animating(), 0);
    AnimateOn();
    EXPECT_NE(Animating(), 0);
    SuspendAnimate();
    EXPECT_EQ(Animating(), 0);
    SuspendAnimate();
    AnimateOn();
    ResumeAnimate();  // back to the suspended "off"
    EXPECT_EQ(Animating(), 0);
    ResumeAnimate();  // back to "on"
    EXPECT_NE(Animating(), 0);
    AnimateOff();
    EXPECT_EQ(Animating(), 0);
}

TEST(ParamBlockAnimation, WhenKeysAreMade) {
    OwnerPtr owner = NewOwner();
    IParamBlock2& block = *owner->Block();

    block.SetValue(kHue, 100, 10.0f);  // animate mode off: the constant changes
    EXPECT_TRUE(standin::KeyTimes(block, kHue).empty());
    EXPECT_EQ(block.GetFloat(kHue, -7), 10.0f);

    AnimateScope animate;
    block.SetValue(kHue, 0, 20.0f);  // at time 0 the constant changes too
    EXPECT_TRUE(standin::KeyTimes(block, kHue).empty());
    EXPECT_EQ(block.GetFloat(kHue, 500), 20.0f);

    block.SetValue(kHue, -40, 30.0f);
    EXPECT_EQ(standin::KeyTimes(block, kHue), (std::vector<TimeValue>{-40, 0}));
    block.SetValue(kHue, 0, 25.0f);  // replaces the key at 0
    EXPECT_EQ(standin::KeyTimes(block, kHue), (std::vector<TimeValue>{-40, 0}));
    EXPECT_EQ(block.GetFloat(kHue, 0), 25.0f);
    EXPECT_EQ(block.GetFloat(kHue, -40), 30.0f);
}

TEST(ParamBlockAnimation, WritesOutsideAnimateModeKeepTheAnimation) {
    OwnerPtr owner = NewOwner();
    IParamBlock2& block = *owner->Block();
    {
        AnimateScope animate;
        block.SetValue(kSat, 100, 10.0f);  // keys 0 -> 0, 100 -> 10
    }
    block.SetValue(kSat, 100, 40.0f);  // a key there: replaced
    EXPECT_EQ(block.GetFloat(kSat, 100), 40.0f);
    EXPECT_EQ(block.GetFloat(kSat, 0), 0.0f);

    block.SetValue(kSat, 50, 30.0f);  // between keys: the whole curve moves by +10
    EXPECT_EQ(standin::KeyTimes(block, kSat), (std::vector<TimeValue>{0, 100}));
    EXPECT_EQ(block.GetFloat(kSat, 0), 10.0f);
    EXPECT_EQ(block.GetFloat(kSat, 50), 30.0f);
    EXPECT_EQ(block.GetFloat(kSat, 100), 50.0f);
}

}  // namespace
}  // namespace pbtest
