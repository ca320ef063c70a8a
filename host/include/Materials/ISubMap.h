// Stand-in: ISubMap, the interface through which a material or texture map exposes its
// sub-texture-map slots.
#pragma once

#include <windows.h>
#include "../maxheap.h"
#include "../standin/exports.h"
#include "../strclass.h"

class Texmap;
class ParamDlg;
class ReferenceTarget;

#define MAPSLOT_TEXTURE 0
#define MAPSLOT_ENVIRON 1
#define MAPSLOT_DISPLACEMENT 2
#define MAPSLOT_BACKGROUND 3

class STANDIN_EXPORT ISubMap : public MaxHeapOperators {
  public:
    CoreExport virtual ~ISubMap();
    virtual int NumSubTexmaps() { return 0; }
    virtual Texmap* GetSubTexmap(int i) {
        (void)i;
        return nullptr;
    }
    virtual int MapSlotType(int i) = 0;
    virtual void SetSubTexmap(int i, Texmap* m) { (void)i, (void)m; }
    virtual int SubTexmapOn(int i) {
        (void)i;
        return 1;
    }
    // Empty here. The host's default argument is unconfirmed; none is declared, so callers
    // pass both arguments.
    virtual CoreExport MSTR GetSubTexmapSlotName(int i, bool localized);
    // The slot's name as the track view lists it: the slot name, or "Map <i + 1>" for a slot
    // without one (the host's own text is unconfirmed; this is the stand-in's).
    CoreExport MSTR GetSubTexmapTVName(int i, bool localized = true);
    virtual BOOL SetDlgThing(ParamDlg* dlg) {
        (void)dlg;
        return FALSE;
    }
    virtual ReferenceTarget* GetRefTarget() = 0;
};
