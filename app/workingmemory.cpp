// The one place that tunes the C library's heap: Linux with glibc only.
#include "app/workingmemory.h"

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#endif

void prepareWorkingMemory(std::size_t bytes) {
#if defined(__linux__) && defined(__GLIBC__) && defined(MADV_HUGEPAGE)
    // A fresh 4 KiB page costs a fault and a clear; an export touches some 15 MB of new
    // picture buffers, which measured 3,500 faults and about a fifth of the whole run. By
    // default each large buffer gets a mapping of its own (and each thread its own arena),
    // which the kernel backs with small pages. Here every allocation below the threshold
    // comes from the main heap, the heap grows by the whole amount at once, and that range
    // is marked for transparent huge pages: 2 MiB per fault.
    constexpr int MaxThreshold = 32 << 20; // the largest mmap threshold glibc accepts
    const int size = int(bytes < std::size_t(MaxThreshold) ? bytes : std::size_t(MaxThreshold));
    if (size < (4 << 20))
        return;
    // mallopt returns 0 where the allocator is not glibc's own (sanitizers replace it).
    if (mallopt(M_ARENA_MAX, 1) == 0 || mallopt(M_MMAP_THRESHOLD, size) == 0 ||
        mallopt(M_TRIM_THRESHOLD, 2 * size) == 0 || mallopt(M_TOP_PAD, size) == 0)
        return;
    // Growing the heap once leaves `size` or more free at its top; freeing the block keeps
    // it there (the trim threshold is above it) for the pictures to come.
    void* block = std::malloc(std::size_t(size) / 2);
    if (block == nullptr)
        return;
    auto* const heapEnd = static_cast<char*>(sbrk(0));
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const auto end = reinterpret_cast<std::uintptr_t>(heapEnd);
    constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;
    const std::uintptr_t from = (start + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t to = end & ~(HugePage - 1);
    // The block must lie in the heap that sbrk grows; if glibc had to map it elsewhere,
    // there is nothing to mark. The range is reached from the heap's end, so that the
    // address stays a pointer.
    if (end > start && to > from)
        madvise(heapEnd - (end - from), to - from, MADV_HUGEPAGE); // a refusal changes nothing
    std::free(block);
#else
    (void)bytes;
#endif
}
