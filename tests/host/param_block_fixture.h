// A block descriptor declared the way a texture map plug-in declares its "params" block, a
// class descriptor for it and an owner object, for the parameter block tests.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <iparamb2.h>
#include <iparamm2.h>

#include "tests/host/params_shaped_block.h"
#include "tests/support/delete_this.h"

namespace pbtest {

using namespace paramshape;

inline const Class_ID kOwnerClassID(0x13572468, 0x2468ACE0);

class TestClassDesc : public ClassDesc2 {
  public:
    int IsPublic() override { return 0; }
    void* Create(BOOL loading) override;
    const MCHAR* ClassName() override { return L"TestOwner"; }
    const MCHAR* NonLocalizedClassName() override { return L"TestOwner"; }
    SClass_ID SuperClassID() override { return REF_TARGET_CLASS_ID; }
    Class_ID ClassID() override { return kOwnerClassID; }
    const MCHAR* Category() override { return L""; }
};

extern TestClassDesc classDesc;
extern ParamBlockDesc2 params;

// Holds the block as reference 0 and a texture output as reference 1, and records the
// parameter changes the block notifies.
class TestOwner : public TwoRefOwner<ReferenceTarget> {
  public:
    TestOwner() : TwoRefOwner(classDesc) {}

    SClass_ID SuperClassID() override { return REF_TARGET_CLASS_ID; }
    Class_ID ClassID() override { return kOwnerClassID; }

    std::vector<ParamID> changes;  // LastNotifyParamID of each REFMSG_CHANGE from the block
    std::function<void(TestOwner&, ParamID)> onChange;

  protected:
    void BlockChanged(ParamID id) override {
        changes.push_back(id);
        if (onChange) onChange(*this, id);
    }
};

using OwnerPtr = std::unique_ptr<TestOwner, DeleteThisDeleter>;

inline OwnerPtr NewOwner() {
    return OwnerPtr(static_cast<TestOwner*>(static_cast<Animatable*>(classDesc.Create(FALSE))));
}

}  // namespace pbtest
