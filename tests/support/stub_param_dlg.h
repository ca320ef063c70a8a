// A secondary parameter dialog that belongs to no texture map, for checking that a map's
// SetDlgThing declines it. It counts the SetThing calls it gets and, when onEvent is set,
// reports "dlg SetThing" and "delete dlg" to it.
#pragma once

#include <functional>

#include <Materials/ParamDlg.h>

class StubParamDlg : public ParamDlg {
  public:
    Class_ID ClassID() override { return Class_ID(0x7E57, 0xD16); }
    void SetThing(ReferenceTarget* m) override {
        thing = m;
        ++setThings;
        if (onEvent) onEvent("dlg SetThing");
    }
    ReferenceTarget* GetThing() override { return thing; }
    void SetTime(TimeValue) override {}
    void ReloadDialog() override {}
    void DeleteThis() override {
        if (onEvent) onEvent("delete dlg");
        delete this;
    }
    void ActivateDlg(BOOL) override {}

    ReferenceTarget* thing = nullptr;
    int setThings = 0;
    std::function<void(const char* event)> onEvent;
};
