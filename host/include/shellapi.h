// Stand-in: ShellExecuteW from <shellapi.h>, which <windows.h> includes.
#pragma once

#include <windows.h>

// Opens `file` with the desktop's default handler. Returns a value above 32 on success.
CoreExport HINSTANCE ShellExecuteW(HWND owner, LPCWSTR operation, LPCWSTR file,
                                   LPCWSTR parameters, LPCWSTR directory, INT showCommand);
