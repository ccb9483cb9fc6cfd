#include "platform/core/batchheap.h"

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace tb {

namespace {

constexpr size_t kHeapReserve = size_t(512) << 20; // address space only until touched
constexpr uintptr_t kLargePage = uintptr_t(2) << 20;

} // namespace

void KeepFreedMemory() {
    ::mallopt(M_MMAP_MAX, 0);
    ::mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

void UseHeapForBatchWork() {
    // The next growth of the heap reserves room for a whole design at once.
    KeepFreedMemory();
    ::mallopt(M_TOP_PAD, int(kHeapReserve));
    void* pProbe = std::malloc(1 << 20);
    if (!pProbe)
        return;
    // The reserved stretch is marked for large pages; growth past it gets small pages again.
    const auto nStart = (reinterpret_cast<uintptr_t>(pProbe) + kLargePage - 1) & ~(kLargePage - 1);
    const auto nEnd = reinterpret_cast<uintptr_t>(::sbrk(0)) & ~(kLargePage - 1);
    if (nStart < nEnd)
        ::madvise(reinterpret_cast<void*>(nStart), nEnd - nStart, MADV_HUGEPAGE);
    std::free(pProbe);
    ::mallopt(M_TOP_PAD, 128 << 10);
}

} // namespace tb
