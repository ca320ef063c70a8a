// Compares two parameter blocks built from the same kind of descriptor: the same keys, and at
// every given time the same values, bit for bit, valid over the same interval.
#pragma once

#include <gtest/gtest.h>

#include <iparamb2.h>
#include <standin/param_keys.h>

#include "tests/support/bits.h"

// `ids` are integer or float parameters of `expected`'s descriptor; `times` the probe times.
template <class Ids, class Times>
void ExpectSameBlock(IParamBlock2& actual, IParamBlock2& expected, const Ids& ids,
                     const Times& times) {
    for (ParamID id : ids) {
        SCOPED_TRACE(testing::Message() << "parameter " << id);
        EXPECT_EQ(standin::KeyTimes(actual, id), standin::KeyTimes(expected, id));
        const ParamType2 type = expected.GetDesc()->GetParamDef(id).type;
        const bool isInt = type == static_cast<ParamType2>(TYPE_INT);
        for (TimeValue t : times) {
            Interval va = FOREVER, vb = FOREVER;
            if (isInt) {
                int a = 0, b = 1;
                EXPECT_TRUE(actual.GetValue(id, t, a, va));
                EXPECT_TRUE(expected.GetValue(id, t, b, vb));
                EXPECT_EQ(a, b) << "at " << t;
            } else {
                float a = 0.0f, b = 1.0f;
                EXPECT_TRUE(actual.GetValue(id, t, a, va));
                EXPECT_TRUE(expected.GetValue(id, t, b, vb));
                EXPECT_TRUE(SameBits(a, b)) << "at " << t;
            }
            EXPECT_TRUE(va == vb) << "validity at " << t;
        }
    }
}
