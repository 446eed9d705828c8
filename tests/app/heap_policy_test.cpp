#include "app/heap_policy.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessivo {
namespace {

long residentKib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

// What the driver does when the window is resized, once large and then through smaller sizes:
// a buffer the size of the window, filled, then a small block allocated while it is live (state
// the driver keeps), then the buffer freed for the next size.
TEST(HeapPolicy, BuffersOfWindowsResizedLargeThenSmallerAreGivenBack) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed blocks in quarantine";
#endif
    keepLargeBlocksOutOfTheHeap();
    const long before = residentKib();
    std::vector<void*> kept;
    for (std::size_t megabytes : {16, 4, 8, 12}) {
        const std::size_t size = megabytes << 20;
        void* buffer = std::malloc(size);
        ASSERT_NE(buffer, nullptr);
        std::memset(buffer, 1, size);
        kept.push_back(std::malloc(64));
        std::free(buffer);
    }
    const long after = residentKib();
    for (void* block : kept) {
        std::free(block);
    }
    EXPECT_LT(after - before, 2048) << "KiB resident before " << before << ", after " << after;
}

} // namespace
} // namespace tessivo
