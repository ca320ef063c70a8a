// Stand-in: basic SDK types (time, class IDs, I/O results) with MSVC's LLP64 widths.
#pragma once

#include <sys/types.h>
#include <cstdint>

#include <windows.h>
#include "maxheap.h"

// `ulong` is `unsigned long` in the SDK: 32 bits under MSVC. glibc's <sys/types.h> declares
// a 64-bit `ulong` of its own; it is included above and the SDK's name is a macro for a
// distinct 32-bit typedef, so both headers can meet in one translation unit.
typedef std::uint32_t standin_ulong;
#define ulong standin_ulong
typedef std::uint16_t UWORD;

using TimeValue = int;
#define TIME_TICKSPERSEC 4800
#define TIME_PosInfinity TimeValue(0x7fffffff)
#define TIME_NegInfinity TimeValue(static_cast<int>(0x80000000u))

using SClass_ID = ulong;
using MtlID = UWORD;

class Class_ID : public MaxHeapOperators {
    ulong a = 0xffffffff;
    ulong b = 0xffffffff;

  public:
    constexpr Class_ID() = default;
    constexpr Class_ID(ulong aa, ulong bb) : a(aa), b(bb) {}
    constexpr ulong PartA() const { return a; }
    constexpr ulong PartB() const { return b; }
    constexpr void SetPartA(ulong aa) { a = aa; }
    constexpr void SetPartB(ulong bb) { b = bb; }
    constexpr bool operator==(const Class_ID& other) const { return a == other.a && b == other.b; }
    constexpr bool operator!=(const Class_ID& other) const { return !(*this == other); }
    constexpr bool operator<(const Class_ID& other) const {
        return a < other.a || (a == other.a && b < other.b);
    }
};

class Interface_ID : public MaxHeapOperators {
    ulong a = 0xffffffff;
    ulong b = 0xffffffff;

  public:
    constexpr Interface_ID() = default;
    constexpr Interface_ID(ulong aa, ulong bb) : a(aa), b(bb) {}
    constexpr ulong PartA() const { return a; }
    constexpr ulong PartB() const { return b; }
    constexpr bool operator==(const Interface_ID& other) const {
        return a == other.a && b == other.b;
    }
    constexpr bool operator!=(const Interface_ID& other) const { return !(*this == other); }
};

enum IOResult : int { IO_OK = 0, IO_END = 1, IO_ERROR = 2, IO_INTERRUPT = 3 };
