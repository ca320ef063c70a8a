// The host's heap: objects handed between host and plug-in are allocated and freed here.
#include <maxheap.h>

#include <cstdlib>

void* MaxHeapOperators::operator new(std::size_t size) {
    if (void* p = ::operator new(size, std::nothrow)) return p;
    throw std::bad_alloc();
}
void* MaxHeapOperators::operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return ::operator new(size, std::nothrow);
}
void* MaxHeapOperators::operator new[](std::size_t size) {
    if (void* p = ::operator new[](size, std::nothrow)) return p;
    throw std::bad_alloc();
}
void* MaxHeapOperators::operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return ::operator new[](size, std::nothrow);
}
void MaxHeapOperators::operator delete(void* ptr) noexcept {
    ::operator delete(ptr);
}
void MaxHeapOperators::operator delete(void* ptr, const std::nothrow_t&) noexcept {
    ::operator delete(ptr);
}
void MaxHeapOperators::operator delete[](void* ptr) noexcept {
    ::operator delete[](ptr);
}
void MaxHeapOperators::operator delete[](void* ptr, const std::nothrow_t&) noexcept {
    ::operator delete[](ptr);
}
