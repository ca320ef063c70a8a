// The class descriptor of the host's parameter blocks, registered with the host's class directory
// so scene files can recreate stored blocks.
#include <standin/class_directory.h>
#include <standin/param_block_class.h>

#include "param_block2.h"

namespace standin {

namespace {

class ParamBlock2ClassDescImpl : public ClassDesc {
  public:
    int IsPublic() override { return 0; }
    // Without a descriptor until Load() reads which one it follows.
    void* Create(BOOL loading) override {
        (void)loading;
        return static_cast<Animatable*>(new ParamBlock2(nullptr, nullptr));
    }
    const MCHAR* ClassName() override { return L"ParamBlock2"; }
    const MCHAR* NonLocalizedClassName() override { return L"ParamBlock2"; }
    SClass_ID SuperClassID() override { return PARAMETER_BLOCK2_CLASS_ID; }
    Class_ID ClassID() override { return Class_ID(PARAMETER_BLOCK2_CLASS_ID, 0); }
    const MCHAR* Category() override { return L""; }
};

const bool registeredWithHost = ClassDirectory::Host().Register(ParamBlock2ClassDesc());

}  // namespace

ClassDesc* ParamBlock2ClassDesc() {
    static ParamBlock2ClassDescImpl desc;
    return &desc;
}

}  // namespace standin
