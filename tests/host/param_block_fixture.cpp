// The parameter block tests' class descriptor, block descriptor and owner.
#include "param_block_fixture.h"

#include <iparamm.h>

namespace pbtest {

TestClassDesc classDesc;

// clang-format off
ParamBlockDesc2 params(0, L"params", 0, &classDesc, P_AUTO_CONSTRUCT + P_AUTO_UI,
    0,                      // reference 0 of the owner
    101, 4, 0, 0, nullptr,  // dialog template, title, test flags, rollup flags, procedure
    PARAMS_SHAPED_PARAMETERS(SPIN_AUTOSCALE));
// clang-format on

void* TestClassDesc::Create(BOOL) {
    return static_cast<Animatable*>(new TestOwner);
}

}  // namespace pbtest
