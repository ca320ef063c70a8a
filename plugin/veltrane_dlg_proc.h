// The rollout's user dialog procedure: keeps the n/k controls' enabled state in step with
// the preset and opens the two web pages.
#pragma once

#include <iparamm2.h>

class Veltrane;

class VeltraneDlgProc : public ParamMap2UserDlgProc {
  public:
    explicit VeltraneDlgProc(Veltrane* map) : texture(map) {}
    ~VeltraneDlgProc() override;

    // Handles WM_COMMAND only; returns 0 for every message.
    INT_PTR DlgProc(TimeValue t, IParamMap2* map, HWND hWnd, UINT msg, WPARAM wParam,
                    LPARAM lParam) override;
    void DeleteThis() override;
    // The open rollout now edits `m`, another texture of this class.
    void SetThing(ReferenceTarget* m) override;

  private:
    Veltrane* texture;  // not owned
};
