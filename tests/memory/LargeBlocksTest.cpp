// Freed memory is kept in proportion to the document and handed back for a
// smaller one. A binary of its own: the malloc settings stay for the process.

#include <fstream>

#include "editor/LargeBlocks.h"

namespace {

// A sanitized build keeps the sanitizer's allocator: nothing to test there.
#if !defined(__SANITIZE_ADDRESS__)

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

TEST(LargeBlocks, FreedMemoryIsKeptInProportionToTheDocument)
{
    editor::setUpMemoryForLargeDocuments();
    editor::keepFreedMemoryFor(size_t(40) << 20);  // a 40 MB document: up to 320 MB kept
    const long before = residentKb();
    {
        const std::vector<char> block(size_t(200) << 20, 'x');
    }
    const long kept = residentKb();
    editor::keepFreedMemoryFor(1000);  // a small document: back to the least
    const long after = residentKb();
    EXPECT_GT(kept - before, 150 * 1024);
    EXPECT_LT(after - before, static_cast<long>(editor::kKeptFreeBytes / 1024) + 20 * 1024);
}

#endif

}  // namespace
