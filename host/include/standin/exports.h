// Stand-in: the SDK's export macros (CoreExport, UtilExport, GEOMEXPORT, PB2Export).
//
// On ELF they become symbol visibility, and the MSVC `__declspec` spelling is mapped onto it.
// On Windows the stand-in host is a DLL linked without explicit exports, which makes the
// MinGW linker export all of its symbols; programs and modules import them through the
// import library (data through the runtime's pseudo-relocations), so nothing is marked.
#pragma once

#if defined(_WIN32)

#define STANDIN_EXPORT

#else

#define __declspec(attribute) STANDIN_DECLSPEC_##attribute
#define STANDIN_DECLSPEC_dllexport __attribute__((visibility("default")))
#define STANDIN_DECLSPEC_dllimport __attribute__((visibility("default")))
#define STANDIN_DECLSPEC_noinline __attribute__((noinline))

// Also marks base classes that modules derive from: on ELF their type information (vtable,
// typeinfo) must be visible across modules, which Windows does not need.
#define STANDIN_EXPORT __attribute__((visibility("default")))

#endif

#define CoreExport STANDIN_EXPORT
#define UtilExport STANDIN_EXPORT
#define GEOMEXPORT STANDIN_EXPORT
#define PB2Export STANDIN_EXPORT
