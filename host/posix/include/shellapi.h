// Stand-in: ShellExecuteW from <shellapi.h>, which <windows.h> includes.
#pragma once

#include <windows.h>

// Opens `file` with the desktop's default handler and returns without waiting: a value
// above 32 on success, a small one on failure. The stand-in opens only absolute web
// addresses (http:// or https://) with the default operation (null or "open"), handing
// them to xdg-open without a shell; it refuses anything else. Owner, parameters, folder
// and show command are not looked at.
CoreExport HINSTANCE ShellExecuteW(HWND owner, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                                   LPCWSTR directory, INT showCommand);
