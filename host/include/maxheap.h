// Stand-in: MaxHeapOperators, the base that routes a class's new/delete to the host's heap.
#pragma once

#include <cstddef>
#include <new>

#include "standin/exports.h"

class MaxHeapOperators {
  public:
    // Throws std::bad_alloc on failure, like the host's operator new.
    UtilExport static void* operator new(std::size_t size);
    // Returns null on failure.
    UtilExport static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    UtilExport static void* operator new[](std::size_t size);
    UtilExport static void* operator new[](std::size_t size, const std::nothrow_t&) noexcept;
    static void* operator new(std::size_t, void* placement) noexcept { return placement; }

    UtilExport static void operator delete(void* ptr) noexcept;
    UtilExport static void operator delete(void* ptr, const std::nothrow_t&) noexcept;
    UtilExport static void operator delete[](void* ptr) noexcept;
    UtilExport static void operator delete[](void* ptr, const std::nothrow_t&) noexcept;
    static void operator delete(void*, void*) noexcept {}
};
