#include "core/media/pixelspeicher.h"

#include <cstdlib>
#include <sys/mman.h>

namespace zor {

namespace {
constexpr std::size_t GROSS = std::size_t{4} << 20;
}

void* holePixelspeicher(std::size_t bytes) {
    if (bytes < GROSS) {
        void* p = std::malloc(bytes ? bytes : 1);
        if (!p) throw std::bad_alloc();
        return p;
    }
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    ::madvise(p, bytes, MADV_HUGEPAGE);
    return p;
}

void gibPixelspeicher(void* p, std::size_t bytes) noexcept {
    if (!p) return;
    if (bytes < GROSS)
        std::free(p);
    else
        ::munmap(p, bytes);
}

}  // namespace zor
