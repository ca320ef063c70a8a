// WStr, the host's wide string: storage, assignment, concatenation and comparison.
#include <strclass.h>

#include <cwchar>

namespace {
const wchar_t kEmpty[1] = {L'\0'};
}

void WStr::Assign(const wchar_t* head, std::size_t headLength, const wchar_t* tail,
                  std::size_t tailLength) {
    const std::size_t length = headLength + tailLength;
    wchar_t* fresh = new wchar_t[length + 1];
    if (headLength) std::wmemcpy(fresh, head, headLength);
    if (tailLength) std::wmemcpy(fresh + headLength, tail, tailLength);
    fresh[length] = L'\0';
    if (chars_ != kEmpty) delete[] chars_;
    chars_ = fresh;
    length_ = length;
}

WStr::WStr() : chars_(const_cast<wchar_t*>(kEmpty)), length_(0) {}
WStr::WStr(const wchar_t* text) : WStr() {
    if (text) Assign(text, std::wcslen(text));
}
WStr::WStr(const WStr& other) : WStr() {
    Assign(other.chars_, other.length_);
}
WStr::~WStr() {
    if (chars_ != kEmpty) delete[] chars_;
}

WStr& WStr::operator=(const WStr& other) {
    if (this != &other) Assign(other.chars_, other.length_);
    return *this;
}
WStr& WStr::operator=(const wchar_t* text) {
    Assign(text, text ? std::wcslen(text) : 0);
    return *this;
}

const wchar_t* WStr::data() const {
    return chars_;
}
int WStr::Length() const {
    return static_cast<int>(length_);
}
bool WStr::isNull() const {
    return length_ == 0;
}

WStr WStr::operator+(const WStr& other) const {
    WStr result(*this);
    result += other;
    return result;
}
WStr& WStr::operator+=(const WStr& other) {
    Assign(chars_, length_, other.chars_, other.length_);
    return *this;
}
bool WStr::operator==(const WStr& other) const {
    return length_ == other.length_ && std::wmemcmp(chars_, other.chars_, length_) == 0;
}
bool WStr::operator==(const wchar_t* other) const {
    const std::size_t length = other ? std::wcslen(other) : 0;  // null compares as empty
    return length_ == length && (length == 0 || std::wmemcmp(chars_, other, length) == 0);
}
