// Stand-in: parameter maps (the binding of a block's parameters to a rollout's controls), the
// user dialog procedure a plug-in attaches to a map, and the master dialog built from maps.
#pragma once

#include <windows.h>

#include "Materials/ParamDlg.h"
#include "iparamb2.h"

class IParamMap2;

class STANDIN_EXPORT ParamMap2UserDlgProc : public MaxHeapOperators {
  public:
    // Out of line (the host's is inline) so that the class's type information lives in the
    // host library and a module deriving from it does not export its own copy.
    virtual ~ParamMap2UserDlgProc();
    virtual INT_PTR DlgProc(TimeValue t, IParamMap2* map, HWND hWnd, UINT msg, WPARAM wParam,
                            LPARAM lParam) = 0;
    virtual void DeleteThis() = 0;
    virtual void SetThing(ReferenceTarget* m) { (void)m; }
    virtual void Update(TimeValue t) { (void)t; }
    virtual void SetParamBlock(IParamBlock2* pb) { (void)pb; }
    virtual void Update(TimeValue t, Interval& valid, IParamMap2* pmap) {
        (void)valid;
        (void)pmap;
        this->Update(t);
    }
};

// The base class is unconfirmed (InterfaceServer chosen).
class STANDIN_EXPORT IParamMap2 : public InterfaceServer {
  public:
    // Redraws every control of the map, or those of one parameter.
    virtual void Invalidate() = 0;
    virtual void Invalidate(ParamID id, int tabIndex = 0) = 0;
    // Enables or disables the controls bound to a parameter.
    virtual void Enable(ParamID id, BOOL onOff, int tabIndex = 0) = 0;
    virtual IParamBlock2* GetParamBlock() = 0;
    virtual HWND GetHWnd() = 0;
    virtual MapID GetMapID() = 0;
    // The map owns its procedure: it deletes (DeleteThis) the one it replaces and its own
    // when it closes.
    virtual void SetUserDlgProc(ParamMap2UserDlgProc* proc = nullptr) = 0;
};

class STANDIN_EXPORT IAutoMParamDlg : public ParamDlg {
  public:
    virtual void InvalidateUI() = 0;
    virtual void MtlChanged() = 0;
    virtual int NumDlgs() = 0;
    virtual void AddDlg(ParamDlg* dlg) = 0;
    virtual ParamDlg* GetDlg(int i) = 0;
    virtual void SetDlg(int i, ParamDlg* dlg) = 0;
    virtual void DeleteDlg(ParamDlg* dlg) = 0;
    virtual IParamMap2* GetMap() = 0;
};
