// What code that includes only <max.h> can use, as with the host's own umbrella: the animate
// switch of control.h and the deletion calls of ref.h. No other SDK header may be included
// here, or the check proves nothing.
#include <max.h>

#include <type_traits>

static_assert(std::is_same_v<decltype(&AnimateOn), void (*)()>);
static_assert(std::is_same_v<decltype(&ReferenceMaker::DeleteMe), RefResult (ReferenceMaker::*)()>);
static_assert(
    std::is_same_v<decltype(&ReferenceTarget::MaybeAutoDelete), void (ReferenceTarget::*)()>);
