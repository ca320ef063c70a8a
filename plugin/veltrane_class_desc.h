// The class descriptor through which the host lists and creates the texture map.
#pragma once

#include <iparamb2.h>

class VeltraneClassDesc : public ClassDesc2 {
  public:
    int IsPublic() override;
    void* Create(BOOL loading) override;
    const MCHAR* ClassName() override;
    const MCHAR* NonLocalizedClassName() override;
    const MCHAR* InternalName() override;
    SClass_ID SuperClassID() override;
    Class_ID ClassID() override;
    const MCHAR* Category() override;
    HINSTANCE HInstance() override;
};

// The one class descriptor, built on the first call (safe under concurrent first calls)
// and destroyed when the module unloads. Block descriptors built during static
// initialisation call this first, so the descriptor outlives them.
ClassDesc2* GetVeltraneDesc();
