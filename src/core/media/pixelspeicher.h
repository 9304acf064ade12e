#pragma once
// Memory for large pixel arrays: elements are left uninitialised on resize (every pixel is
// written by the decoder anyway), and big blocks come straight from the kernel with huge
// pages requested, so opening a large image does not pay for touching its memory twice or
// for thousands of small page faults.

#include <cstddef>
#include <memory>
#include <new>

namespace zor {

void* holePixelspeicher(std::size_t bytes);
void gibPixelspeicher(void* p, std::size_t bytes) noexcept;

template <class T>
struct Pixelspeicher {
    using value_type = T;
    Pixelspeicher() = default;
    template <class U>
    Pixelspeicher(const Pixelspeicher<U>&) noexcept {}

    T* allocate(std::size_t n) { return static_cast<T*>(holePixelspeicher(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { gibPixelspeicher(p, n * sizeof(T)); }
    // Default construction leaves the value as it is.
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... A>
    void construct(U* p, A&&... a) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
    }
    friend bool operator==(const Pixelspeicher&, const Pixelspeicher&) { return true; }
};

}  // namespace zor
