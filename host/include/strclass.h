// Stand-in: WStr, the host's wide string, and the MSTR/TSTR names for it.
#pragma once

#include <cstddef>

#include "maxheap.h"
#include "strbasic.h"

class UtilExport WStr : public MaxHeapOperators {
  public:
    WStr();
    WStr(const wchar_t* text);  // a null pointer makes an empty string
    WStr(const WStr& other);
    ~WStr();

    WStr& operator=(const WStr& other);
    WStr& operator=(const wchar_t* text);

    const wchar_t* data() const;
    operator const wchar_t*() const { return data(); }
    int Length() const;
    bool isNull() const;

    WStr operator+(const WStr& other) const;
    WStr& operator+=(const WStr& other);
    bool operator==(const WStr& other) const;
    bool operator==(const wchar_t* other) const;
    bool operator!=(const WStr& other) const { return !(*this == other); }

  private:
    // Replaces the text with `head` followed by `tail`. Both are copied before the old
    // buffer is freed, so either may point into this string.
    void Assign(const wchar_t* head, std::size_t headLength, const wchar_t* tail = nullptr,
                std::size_t tailLength = 0);

    wchar_t* chars_;  // always null-terminated; never null
    std::size_t length_;
};

typedef WStr MSTR;
#define TSTR WStr
