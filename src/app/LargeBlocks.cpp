// Large blocks on huge pages, and freed memory kept for reuse. The replaceable
// global operator new (the one that every other form, and every container of
// this program and of the libraries it loads, ends up calling) puts large
// blocks on 2 MB boundaries and marks them for transparent huge pages. Every
// block still comes from malloc, so the standard operator delete (free)
// releases it.
#include "LargeBlocks.h"

#include <malloc.h>
#include <sys/mman.h>
#include <atomic>
#include <cstdlib>
#include <new>

namespace app {
namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
// The most that malloc serves from its heap rather than by a mapping of its own
// (which is handed back, and faulted in afresh, each time).
constexpr int kMostFromHeap = 32 << 20;

std::atomic<bool> setUp{false};

void* allocate(std::size_t size)
{
    if (size < kLargeBlockBytes || !setUp.load(std::memory_order_relaxed)) return std::malloc(size);
    void* block = nullptr;
    if (posix_memalign(&block, kHugePage, size) != 0) return nullptr;
    // Only whole huge pages inside the block; a system without transparent
    // huge pages refuses the advice, which changes nothing.
    madvise(block, size & ~(kHugePage - 1), MADV_HUGEPAGE);
    return block;
}

}  // namespace

void setUpMemoryForLargeDocuments()
{
    mallopt(M_MMAP_THRESHOLD, kMostFromHeap);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kKeptFreeBytes));
    setUp.store(true, std::memory_order_relaxed);
}

}  // namespace app

void* operator new(std::size_t size)
{
    if (size == 0) size = 1;
    for (;;) {
        if (void* block = app::allocate(size)) return block;
        const std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}
