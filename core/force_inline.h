// VELTRANE_FORCE_INLINE: for the steps of a shading sample that must fuse into one function.
#pragma once

// Exported functions of a position-independent library are not inlined into each other by
// default; the per-sample path keeps its helpers inline explicitly.
#if defined(_MSC_VER)
#define VELTRANE_FORCE_INLINE __forceinline
#else
#define VELTRANE_FORCE_INLINE inline __attribute__((always_inline))
#endif
