// Stand-in: Interval, a closed span of animation time, with FOREVER and NEVER.
#pragma once

#include "maxheap.h"
#include "maxtypes.h"
#include "standin/exports.h"

class Interval : public MaxHeapOperators {
    TimeValue start;
    TimeValue end;

  public:
    // Puts the ends in order when e < s.
    CoreExport Interval(TimeValue s, TimeValue e);
    Interval() { SetEmpty(); }

    int operator==(const Interval& i) const { return i.start == start && i.end == end; }
    bool operator!=(const Interval& i) const { return !(*this == i); }
    // True for start <= t <= end, except TIME_NegInfinity, which no interval contains.
    CoreExport int InInterval(const TimeValue t) const;
    int InInterval(const Interval interval) const {
        return InInterval(interval.Start()) && InInterval(interval.End());
    }
    int Empty() const { return start == TIME_NegInfinity && end == TIME_NegInfinity; }
    bool IsInfinite() const { return start == TIME_NegInfinity && end == TIME_PosInfinity; }

    void Set(TimeValue s, TimeValue e) {
        start = s;
        end = e;
    }
    void SetStart(TimeValue s) { start = s; }
    void SetEnd(TimeValue e) { end = e; }
    void SetEmpty() { start = end = TIME_NegInfinity; }
    void SetInfinite() {
        start = TIME_NegInfinity;
        end = TIME_PosInfinity;
    }
    void SetInstant(const TimeValue t) { start = end = t; }
    TimeValue Start() const { return start; }
    TimeValue End() const { return end; }

    // Intersection: the later start and the earlier end; empty when they cross.
    CoreExport Interval operator&(const Interval i) const;
    Interval& operator&=(const Interval i) { return (*this = (*this & i)); }
};

#define FOREVER Interval(TIME_NegInfinity, TIME_PosInfinity)
#define NEVER Interval(TIME_NegInfinity, TIME_NegInfinity)
