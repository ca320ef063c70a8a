// ClassDesc::GetRsrcString: a string of the class's module, loaded into the descriptor's own
// buffer.
#include <plugapi.h>

const MCHAR* ClassDesc::GetRsrcString(INT_PTR id) {
    const int copied = LoadStringW(HInstance(), static_cast<UINT>(id), rsrcBuffer_,
                                   static_cast<int>(sizeof rsrcBuffer_ / sizeof rsrcBuffer_[0]));
    return copied > 0 ? rsrcBuffer_ : nullptr;
}
