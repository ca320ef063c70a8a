// Stand-in: Animatable, the root of the host's scene objects: identity (super class and
// class ID, class name), sub-anims, parameter blocks, extension interfaces and deletion.
#pragma once

#include <windows.h>
#include "baseinterface.h"
#include "iparamb2Typedefs.h"
#include "maxtypes.h"
#include "noncopyable.h"
#include "standin/exports.h"
#include "strclass.h"

class IParamBlock2;

class STANDIN_EXPORT Animatable : public InterfaceServer, public MaxSDK::Util::Noncopyable {
  protected:
    CoreExport virtual ~Animatable() = 0;

  public:
    CoreExport Animatable();

    // Deletes the object (`delete this`); classes with their own allocation override it.
    CoreExport virtual void DeleteThis();

    // Empty here; classes name themselves.
    CoreExport virtual void GetClassName(MSTR& s, bool localized = true) const;
    virtual SClass_ID SuperClassID() = 0;
    // Class_ID(0, 0): no class of its own.
    CoreExport virtual Class_ID ClassID();

    CoreExport virtual void* GetInterface(ULONG id);
    CoreExport virtual BaseInterface* GetInterface(Interface_ID id);

    virtual int NumSubs() { return 0; }
    virtual Animatable* SubAnim(int i) {
        (void)i;
        return nullptr;
    }
    // Empty here.
    CoreExport virtual MSTR SubAnimName(int i, bool localized);

    virtual int NumParamBlocks() { return 0; }
    virtual IParamBlock2* GetParamBlock(int i) {
        (void)i;
        return nullptr;
    }
    virtual IParamBlock2* GetParamBlockByID(BlockID id) {
        (void)id;
        return nullptr;
    }
};
