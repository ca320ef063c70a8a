// Interval's out-of-line members: the swapping constructor, membership (nothing is in NEVER) and
// intersection.
#include <interval.h>

Interval::Interval(TimeValue s, TimeValue e) {
    if (e < s) {
        start = e;
        end = s;
    } else {
        start = s;
        end = e;
    }
}

int Interval::InInterval(const TimeValue t) const {
    return t != TIME_NegInfinity && start <= t && t <= end;
}

Interval Interval::operator&(const Interval i) const {
    Interval result;
    const TimeValue s = start > i.start ? start : i.start;
    const TimeValue e = end < i.end ? end : i.end;
    if (e < s) return result;  // empty
    result.Set(s, e);
    return result;
}
