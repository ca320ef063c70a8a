// The stand-in's test and editor hooks into parameter blocks: keys, parameter maps and the
// invalidation log.
#include <standin/param_keys.h>
#include <standin/param_map_hook.h>
#include <standin/ui_invalidation_log.h>

#include "param_block2.h"
#include "param_block_access.h"

namespace standin {

std::vector<TimeValue> KeyTimes(IParamBlock2& block, ParamID id) {
    auto* ours = dynamic_cast<ParamBlock2*>(&block);
    return ours ? ours->KeyTimes(id) : std::vector<TimeValue>();
}

void AttachParamMap(IParamBlock2& block, IParamMap2& map) {
    if (auto* ours = dynamic_cast<ParamBlock2*>(&block)) ours->AttachMap(map);
}

void DetachParamMap(IParamBlock2& block, IParamMap2& map) {
    if (auto* ours = dynamic_cast<ParamBlock2*>(&block)) ours->DetachMap(map);
}

UIInvalidationLog::UIInvalidationLog(ClassDesc2& cd)
    : cd_(cd), previous_(ParamBlockAccess::UILog(cd)) {
    ParamBlockAccess::UILog(cd_) = this;
}

UIInvalidationLog::~UIInvalidationLog() {
    ParamBlockAccess::UILog(cd_) = previous_;
}

}  // namespace standin
