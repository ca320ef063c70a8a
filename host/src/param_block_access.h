// The stand-in's access to ClassDesc2's private record of open parameter maps and of the
// test's invalidation log.
#pragma once

#include <iparamb2.h>

namespace standin {

class ParamBlockAccess {
  public:
    static void AddOpenMap(ClassDesc2& cd, ParamBlockDesc2& desc, IParamMap2& map);
    static void RemoveOpenMap(ClassDesc2& cd, IParamMap2& map);
    // Whether `map` is attached to a block of `cd`: false once the block has gone.
    static bool IsOpenMap(ClassDesc2& cd, const IParamMap2& map);
    static void*& UILog(ClassDesc2& cd) { return cd.uiLog_; }
};

}  // namespace standin
