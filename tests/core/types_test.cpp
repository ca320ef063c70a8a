// Interval membership and intersection, with the forever and never spans of the host.
#include "core/types.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(Interval, Membership) {
    struct Case {
        Interval span;
        TimeValue t;
        bool inside;
        const char* note;
    };
    const Case cases[] = {
        {Interval(0, 100), 0, true, "start is inside"},
        {Interval(0, 100), 100, true, "end is inside"},
        {Interval(0, 100), 101, false, "after the end"},
        {Interval(0, 100), -1, false, "before the start"},
        {Interval::Forever(), 0, true, "forever"},
        {Interval::Forever(), kTimePosInfinity, true, "forever holds the last tick"},
        {Interval::Forever(), kTimeNegInfinity, false, "but not the first"},
        {Interval::Never(), kTimeNegInfinity, false, "never holds nothing"},
        {Interval(), 0, false, "default is never"},
        {Interval(5, 5), 5, true, "an instant"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(c.span.InInterval(c.t), c.inside);
    }
}

TEST(Interval, Intersection) {
    struct Case {
        Interval a, b, expected;
        const char* note;
    };
    const Case cases[] = {
        {Interval(0, 100), Interval(50, 200), Interval(50, 100), "overlap"},
        {Interval(0, 100), Interval::Forever(), Interval(0, 100), "forever is neutral"},
        {Interval::Forever(), Interval::Never(), Interval::Never(), "never absorbs"},
        {Interval(0, 10), Interval(20, 30), Interval::Never(), "disjoint gives never"},
        {Interval(0, 10), Interval(10, 30), Interval(10, 10), "touching gives an instant"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(c.a & c.b, c.expected);
        Interval narrowed = c.b;
        narrowed &= c.a;
        EXPECT_EQ(narrowed, c.expected);
    }
    EXPECT_TRUE(Interval::Never().Empty());
    EXPECT_FALSE(Interval::Forever().Empty());
}

}  // namespace
}  // namespace veltrane
