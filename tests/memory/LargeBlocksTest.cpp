// Large blocks on huge pages: once set up, every block of 2 MB or more that
// operator new hands out (containers included) starts on a 2 MB boundary and is
// marked for transparent huge pages; smaller blocks are left as malloc gives
// them, and every block is released by the standard operator delete. Freed
// memory is kept in proportion to the document and handed back for a smaller one.
// A binary of its own: the allocator it sets up stays for the whole process.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "editor/LargeBlocks.h"

namespace {

// A sanitized build keeps the sanitizer's allocator: nothing to test there.
#if !defined(__SANITIZE_ADDRESS__)

// The VmFlags of the mapping holding `address`, from /proc/self/smaps.
std::string vmFlagsAt(const void* address)
{
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t start = 0, end = 0;
        char dash = 0;
        std::istringstream head(line);
        if (head >> std::hex >> start >> dash >> end && dash == '-') {
            inside = start <= at && at < end;
        } else if (inside && line.rfind("VmFlags:", 0) == 0) {
            return line;
        }
    }
    return {};
}

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

bool onHugePageBoundary(const void* p)
{
    return reinterpret_cast<std::uintptr_t>(p) % (std::uintptr_t(2) << 20) == 0;
}

// Whether the kernel offers transparent huge pages to programs that ask.
bool kernelHasHugePages()
{
    std::ifstream enabled("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(enabled, modes);
    return !modes.empty() && modes.find("[never]") == std::string::npos;
}

TEST(LargeBlocks, StartOnHugePages)
{
    editor::setUpMemoryForLargeDocuments();
    const bool hugePages = kernelHasHugePages();
    if (!hugePages) std::printf("NOTICE: no transparent huge pages on this kernel; only the alignment is checked\n");
    for (const size_t size : {editor::kLargeBlockBytes, size_t(5) << 20, size_t(40) << 20}) {
        SCOPED_TRACE(size);
        std::vector<char> block(size, 'x');
        EXPECT_TRUE(onHugePageBoundary(block.data()));
        if (hugePages) {
            EXPECT_NE(vmFlagsAt(block.data()).find(" hg"), std::string::npos) << vmFlagsAt(block.data());
        }
    }
    // Small blocks: no 2 MB alignment asked, so a run of them is not all aligned.
    std::vector<std::unique_ptr<char[]> > small;
    int aligned = 0;
    for (int i = 0; i < 8; ++i) {
        small.push_back(std::make_unique<char[]>(1000));
        aligned += onHugePageBoundary(small.back().get());
    }
    EXPECT_LT(aligned, 8);
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
