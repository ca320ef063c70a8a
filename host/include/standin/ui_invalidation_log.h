// Stand-in: a record of the ClassDesc2::InvalidateUI calls a class descriptor receives, so
// that tests can see which controls a plug-in asks to redraw, with or without open maps.
#pragma once

#include <vector>

#include <iparamb2.h>

namespace standin {

struct UIInvalidation {
    ParamBlockDesc2* desc;
    ParamID id;     // -1 for the whole map
    int tabIndex;   // -1 for every entry
    bool wholeMap;  // InvalidateUI(desc) rather than InvalidateUI(desc, id, tabIndex)
};

// Records calls on `cd` from construction to destruction. A log made while another is
// active replaces it until the newer one ends.
class STANDIN_EXPORT UIInvalidationLog {
  public:
    explicit UIInvalidationLog(ClassDesc2& cd);
    ~UIInvalidationLog();
    UIInvalidationLog(const UIInvalidationLog&) = delete;
    UIInvalidationLog& operator=(const UIInvalidationLog&) = delete;

    const std::vector<UIInvalidation>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

    void Record(const UIInvalidation& call) { calls_.push_back(call); }

  private:
    ClassDesc2& cd_;
    void* previous_;
    std::vector<UIInvalidation> calls_;
};

}  // namespace standin
