// Stand-in: plug-in API basics: version macros, super class IDs and ClassDesc, the object
// through which the host lists and creates a plug-in class.
#pragma once

#include <windows.h>
#include "iparamb2Typedefs.h"
#include "maxheap.h"
#include "maxtypes.h"
#include "strbasic.h"

// Release 28000 (2026), interface number 68, SDK revision 0. The interface number follows the
// pattern of earlier releases; it could not be read from a 2026 header (unconfirmed).
#define MAX_RELEASE 28000
#define MAX_API_NUM 68
#define MAX_SDK_REV 0
#define VERSION_3DSMAX ((MAX_RELEASE << 16) + (MAX_API_NUM << 8) + MAX_SDK_REV)
#define GET_MAX_RELEASE(x) (((x) >> 16) & 0xffff)
#define GET_MAX_API_NUM(x) (((x) >> 8) & 0xff)
#define GET_MAX_SDK_REV(x) ((x)&0xff)

#define MATERIAL_CLASS_ID 0x000C00
#define TEXMAP_CLASS_ID 0x000C10
#define TEXOUTPUT_CLASS_ID 0x0000C40
#define PARAMETER_BLOCK2_CLASS_ID 0x00000082
#define REF_MAKER_CLASS_ID 0x000100
#define REF_TARGET_CLASS_ID 0x000200

class ReferenceMaker;
class ParamBlockDesc2;

// Exported whole so that modules deriving from it share its type information.
class STANDIN_EXPORT ClassDesc : public MaxHeapOperators {
  public:
    virtual ~ClassDesc() {}
    virtual int IsPublic() = 0;
    virtual void* Create(BOOL loading = FALSE) = 0;
    virtual const MCHAR* ClassName() = 0;
    virtual const MCHAR* NonLocalizedClassName() = 0;
    virtual const MCHAR* InternalName() { return nullptr; }
    virtual SClass_ID SuperClassID() = 0;
    virtual Class_ID ClassID() = 0;
    virtual const MCHAR* Category() = 0;
    virtual void ResetClassParams(BOOL fileReset = FALSE) { (void)fileReset; }
    virtual HINSTANCE HInstance() { return nullptr; }
    // String `id` of the module HInstance() names; null if it has none. The text stays valid
    // until the next call on this descriptor.
    CoreExport virtual const MCHAR* GetRsrcString(INT_PTR id);
    virtual void MakeAutoParamBlocks(ReferenceMaker* owner) { (void)owner; }
    // The class's parameter block descriptions, through which a host reaches them from any
    // class descriptor; a class without parameter blocks has none.
    virtual int NumParamBlockDescs() { return 0; }
    virtual ParamBlockDesc2* GetParamBlockDesc(int i) {
        (void)i;
        return nullptr;
    }
    virtual ParamBlockDesc2* GetParamBlockDescByID(BlockID id) {
        (void)id;
        return nullptr;
    }

  private:
    MCHAR rsrcBuffer_[256] = {};
};
