// Stand-in: ParamDlg, a material or texture map's parameter dialog in the material editor.
#pragma once

#include <windows.h>
#include "../baseinterface.h"
#include "../maxtypes.h"
#include "../standin/exports.h"

class ReferenceTarget;

class STANDIN_EXPORT ParamDlg : public InterfaceServer {
  public:
    virtual Class_ID ClassID() = 0;
    virtual void SetThing(ReferenceTarget* m) = 0;
    virtual ReferenceTarget* GetThing() = 0;
    virtual void SetTime(TimeValue t) = 0;
    virtual void ReloadDialog() = 0;
    virtual void DeleteThis() = 0;
    virtual void ActivateDlg(BOOL onOff) = 0;
    virtual int FindSubTexFromHWND(HWND hwnd) {
        (void)hwnd;
        return -1;
    }
    virtual int FindSubMtlFromHWND(HWND hwnd) {
        (void)hwnd;
        return -1;
    }
    virtual INT_PTR Execute(int cmd, ULONG_PTR arg1 = 0, ULONG_PTR arg2 = 0, ULONG_PTR arg3 = 0) {
        (void)cmd, (void)arg1, (void)arg2, (void)arg3;
        return 0;
    }
};
