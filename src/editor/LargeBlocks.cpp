// Freed memory kept for reuse: no block gets a mapping of its own (which would
// be handed back, and faulted in afresh, every time), and the heap keeps an
// amount of freed memory that follows the document's size.
#include "editor/LargeBlocks.h"

#include <malloc.h>
#include <algorithm>
#include <atomic>
#include <climits>

namespace editor {
namespace {

std::atomic<bool> setUp{false};
std::atomic<std::size_t> keptFree{kKeptFreeBytes};

}  // namespace

void setUpMemoryForLargeDocuments()
{
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
