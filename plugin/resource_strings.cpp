// The module's handle and the one buffer its display strings are loaded into.
#include "plugin/resource_strings.h"

HINSTANCE moduleInstance = nullptr;

namespace {
constexpr int kStringBufferLength = 256;
MCHAR stringBuffer[kStringBufferLength];
}  // namespace

const MCHAR* LoadResourceString(int id) {
    if (!moduleInstance) return nullptr;
    // The capacity is in characters, not bytes.
    const int copied =
        LoadStringW(moduleInstance, static_cast<UINT>(id), stringBuffer, kStringBufferLength);
    return copied > 0 ? stringBuffer : nullptr;
}
