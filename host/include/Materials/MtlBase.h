// Stand-in: MtlBase, the common base of materials, texture maps and texture outputs: name,
// flags, G-buffer ID, default map slot type, and the base state's scene-file chunks.
#pragma once

#include <windows.h>
#include "../interval.h"
#include "../ioapi.h"
#include "../ref.h"
#include "../standin/exports.h"
#include "../strclass.h"
#include "ISubMap.h"

class ParamDlg;
class IMtlParams;

class STANDIN_EXPORT MtlBase : public ReferenceTarget, public ISubMap {
    friend class Texmap;

    MSTR name;
    ULONG mtlFlags;
    int defaultSlotType;

  public:
    ULONG gbufID;

    CoreExport MtlBase();
    CoreExport ~MtlBase();
    CoreExport virtual Class_ID ClassID();

    // Copies the base state: name, flags, G-buffer ID and default slot type.
    CoreExport MtlBase& operator=(const MtlBase& m);

    // Name accessors; their exact 2026 form is unconfirmed (stand-in's choice).
    CoreExport MSTR& GetName();
    CoreExport void SetName(MSTR s);

    void SetMtlFlag(int mask, BOOL val = TRUE) {
        if (val) {
            mtlFlags |= static_cast<ULONG>(mask);
        } else {
            mtlFlags &= ~static_cast<ULONG>(mask);
        }
    }
    void ClearMtlFlag(int mask) { mtlFlags &= ~static_cast<ULONG>(mask); }
    int TestMtlFlag(int mask) { return (mtlFlags & static_cast<ULONG>(mask)) ? 1 : 0; }

    int MapSlotType(int i) override {
        (void)i;
        return defaultSlotType;
    }

    virtual void Update(TimeValue t, Interval& valid) = 0;
    virtual void Reset() = 0;
    virtual Interval Validity(TimeValue t) = 0;
    virtual ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) = 0;

    // The base state, as chunks of their own; callers wrap them in a chunk of theirs.
    CoreExport IOResult Save(ISave* isave);
    // Reads what Save wrote, skipping chunks it does not know; IO_ERROR for damaged data.
    CoreExport IOResult Load(ILoad* iload);

    ULONG GetGBufID() { return gbufID; }
    void SetGBufID(ULONG id) { gbufID = id; }

    CoreExport virtual void* GetInterface(ULONG id);
    virtual BaseInterface* GetInterface(Interface_ID id) {
        return ReferenceTarget::GetInterface(id);
    }
    virtual ReferenceTarget* GetRefTarget() { return this; }
    CoreExport virtual void BaseClone(ReferenceTarget* from, ReferenceTarget* to, RemapDir& remap);
};
