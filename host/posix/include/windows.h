// Stand-in: the subset of <windows.h> (LLP64 widths) that the plug-in and the stand-in host use.
#pragma once

#include <cstdint>

#include "standin/exports.h"

typedef int BOOL;
#define TRUE 1
#define FALSE 0

typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint16_t USHORT;
typedef unsigned int UINT;
typedef int INT;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;  // 32 bits, as under MSVC (Linux's unsigned long is 64)
typedef std::uint32_t DWORD;
typedef std::int64_t INT_PTR;
typedef std::int64_t LONG_PTR;
typedef std::uint64_t UINT_PTR;
typedef std::uint64_t ULONG_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef void* LPVOID;
typedef wchar_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef WCHAR TCHAR;  // Unicode build
#define _T(x) L##x
#define TEXT(x) L##x

// Handles are distinct opaque pointer types, as with STRICT.
struct HWND__;
typedef HWND__* HWND;
// On the stand-in a module handle is the handle the loader got from dlopen().
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

#define WINAPI
#define CALLBACK
#define APIENTRY

#define LOWORD(l) (static_cast<WORD>(static_cast<ULONG_PTR>(l) & 0xffff))
#define HIWORD(l) (static_cast<WORD>((static_cast<ULONG_PTR>(l) >> 16) & 0xffff))

#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define SW_SHOW 5

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

// Switches off thread attach/detach notifications for the module (no-op on the stand-in,
// whose loader never sends them). Returns TRUE for a known module handle.
CoreExport BOOL DisableThreadLibraryCalls(HMODULE module);

// Copies string `id` of the module's RT_STRING table into `buffer` (capacity `bufferMax`
// characters, terminating null included) and returns the number of characters copied,
// without the null; 0 if the module has no such string.
CoreExport int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);

// The module entry point. The stand-in loader finds it by name and calls it with the
// process attach reason after static initialisation and with the detach reason before
// unloading; it is exported with C linkage for that.
extern "C" STANDIN_EXPORT BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

#include <shellapi.h>
