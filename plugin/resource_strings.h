// The module's own handle and its loader of string-table entries.
#pragma once

#include <strbasic.h>
#include <windows.h>

// This module, as the host passed it to DllMain; null until the process attach.
extern HINSTANCE moduleInstance;

// String `id` of the module's string table, or null when the module handle is not yet
// known or the table has no such (non-empty) string. The text lives in one buffer of 256
// characters shared by every call without a lock: it is valid until the next call, so
// callers copy it at once. Longer strings are cut to 255 characters.
const MCHAR* LoadResourceString(int id);
