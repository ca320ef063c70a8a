// Interval: membership, construction order and intersection, FOREVER and NEVER included.
#include <climits>

#include <gtest/gtest.h>

#include <interval.h>

namespace {

TEST(Interval, Membership) {
    struct Case {
        const char* what;
        Interval span;
        TimeValue t;
        bool in;
    } cases[] = {
        {"FOREVER holds 0", FOREVER, 0, true},
        {"FOREVER holds the largest time", FOREVER, INT_MAX, true},
        {"FOREVER does not hold TIME_NegInfinity", FOREVER, INT_MIN, false},
        {"FOREVER holds the time after it", FOREVER, INT_MIN + 1, true},
        {"NEVER holds nothing", NEVER, INT_MIN, false},
        {"NEVER holds nothing at 0", NEVER, 0, false},
        {"a default interval is NEVER", Interval(), 0, false},
        {"start is inside", Interval(10, 20), 10, true},
        {"end is inside", Interval(10, 20), 20, true},
        {"before start", Interval(10, 20), 9, false},
        {"after end", Interval(10, 20), 21, false},
        {"reversed ends are put in order", Interval(20, 10), 15, true},
        {"an instant", Interval(7, 7), 7, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.span.InInterval(c.t) != 0, c.in) << c.what;
    }
}

TEST(Interval, Intersection) {
    struct Case {
        const char* what;
        Interval a, b, expected;
    } cases[] = {
        {"FOREVER & FOREVER", FOREVER, FOREVER, FOREVER},
        {"FOREVER & NEVER", FOREVER, NEVER, NEVER},
        {"NEVER & FOREVER", NEVER, FOREVER, NEVER},
        {"FOREVER narrows to a span", FOREVER, Interval(0, 100), Interval(0, 100)},
        {"overlap", Interval(0, 100), Interval(50, 150), Interval(50, 100)},
        {"touching ends", Interval(0, 50), Interval(50, 100), Interval(50, 50)},
        {"disjoint is empty", Interval(0, 10), Interval(20, 30), NEVER},
        {"an instant inside", Interval(0, 10), Interval(5, 5), Interval(5, 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Interval got = c.a & c.b;
        EXPECT_EQ(got.Start(), c.expected.Start());
        EXPECT_EQ(got.End(), c.expected.End());
        Interval narrowed = c.a;
        narrowed &= c.b;
        EXPECT_TRUE(narrowed == got);
    }
}

}  // namespace
