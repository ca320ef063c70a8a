// Stand-in: MaxSDK::Util::Noncopyable, a base that forbids copying its derived classes.
#pragma once

#include "maxheap.h"

namespace MaxSDK {
namespace Util {

class Noncopyable : public MaxHeapOperators {
  protected:
    Noncopyable() {}
    ~Noncopyable() {}

  private:
    Noncopyable(const Noncopyable&);
    Noncopyable& operator=(const Noncopyable&);
};

}  // namespace Util
}  // namespace MaxSDK
