// A parameter map as an open rollout registers it, recording what it is asked to do. It does
// not attach itself to its block: a test attaches it, or uses a subclass that does.
#pragma once

#include <ostream>
#include <vector>

#include <iparamb2.h>
#include <iparamm2.h>

class RecordingParamMap : public IParamMap2 {
  public:
    struct Call {
        char what;  // 'I' Invalidate(id, tab), 'E' Enable(id, on, tab), 'A' Invalidate()
        ParamID id;
        int tabIndex;
        BOOL on;
        bool operator==(const Call& o) const {
            return what == o.what && id == o.id && tabIndex == o.tabIndex && on == o.on;
        }
    };
    static Call Invalidated(ParamID id, int tabIndex) { return {'I', id, tabIndex, FALSE}; }
    static Call Enabled(ParamID id, BOOL on) { return {'E', id, 0, on}; }
    static Call InvalidatedAll() { return {'A', -1, -1, FALSE}; }

    explicit RecordingParamMap(IParamBlock2* block, MapID id = 0) : block_(block), id_(id) {}

    void Invalidate() override { calls.push_back(InvalidatedAll()); }
    void Invalidate(ParamID id, int tabIndex) override {
        calls.push_back(Invalidated(id, tabIndex));
    }
    void Enable(ParamID id, BOOL onOff, int tabIndex) override {
        calls.push_back({'E', id, tabIndex, onOff});
    }
    IParamBlock2* GetParamBlock() override { return block_; }
    HWND GetHWnd() override { return nullptr; }
    MapID GetMapID() override { return id_; }
    void SetUserDlgProc(ParamMap2UserDlgProc* proc) override { userProc = proc; }

    std::vector<Call> calls;
    ParamMap2UserDlgProc* userProc = nullptr;  // the last procedure handed over, not owned

  private:
    IParamBlock2* block_;
    MapID id_;
};

inline std::ostream& operator<<(std::ostream& os, const RecordingParamMap::Call& c) {
    os << c.what << "(" << c.id << ", tab " << c.tabIndex;
    if (c.what == 'E') os << (c.on ? ", on" : ", off");
    return os << ")";
}
