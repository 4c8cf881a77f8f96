// Large blocks on huge pages, and freed memory kept for reuse. The replaceable
// global operator new (the one that every other form, and every container of
// this program and of the libraries it loads, ends up calling) puts large
// blocks on 2 MB boundaries and marks them for transparent huge pages. Every
// block still comes from malloc, so the standard operator delete (free)
// releases it.
#include "editor/LargeBlocks.h"

#include <malloc.h>
#include <sys/mman.h>
#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>

namespace editor {
namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

std::atomic<bool> setUp{false};
std::atomic<std::size_t> keptFree{kKeptFreeBytes};

// Only the replacement operator new below allocates here, and a sanitized
// build has none.
#if !defined(__SANITIZE_ADDRESS__)
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
#endif

}  // namespace

void setUpMemoryForLargeDocuments()
{
    // No block gets a mapping of its own, which would be handed back, and
    // faulted in afresh, every time.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kKeptFreeBytes));
    setUp.store(true, std::memory_order_relaxed);
}

void keepFreedMemoryFor(std::size_t documentBytes)
{
    if (!setUp.load(std::memory_order_relaxed)) return;
    const std::size_t most = INT_MAX;
    const std::size_t keep = std::min(most, std::max(kKeptFreeBytes, documentBytes * kKeptPerDocumentByte));
    const std::size_t before = keptFree.exchange(keep);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(keep));
    if (keep < before) malloc_trim(keep);
}

}  // namespace editor

// A sanitized build keeps the sanitizer's own allocator, which pairs every
// allocation with its own release.
#if !defined(__SANITIZE_ADDRESS__)
void* operator new(std::size_t size)
{
    if (size == 0) size = 1;
    for (;;) {
        if (void* block = editor::allocate(size)) return block;
        const std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}
#endif
