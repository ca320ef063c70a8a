// Stand-in: the SDK's export macros (CoreExport, UtilExport, GEOMEXPORT, PB2Export) and the
// MSVC `__declspec` spelling, mapped to ELF symbol visibility.
#pragma once

#if !defined(_MSC_VER)
#define __declspec(attribute) STANDIN_DECLSPEC_##attribute
#define STANDIN_DECLSPEC_dllexport __attribute__((visibility("default")))
#define STANDIN_DECLSPEC_dllimport __attribute__((visibility("default")))
#define STANDIN_DECLSPEC_noinline __attribute__((noinline))
#endif

// Also marks base classes that modules derive from: on ELF their type information (vtable,
// typeinfo) must be visible across modules, which Windows does not need.
#define STANDIN_EXPORT __attribute__((visibility("default")))

#define CoreExport STANDIN_EXPORT
#define UtilExport STANDIN_EXPORT
#define GEOMEXPORT STANDIN_EXPORT
#define PB2Export STANDIN_EXPORT
