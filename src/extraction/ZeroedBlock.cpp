// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZeroedBlock.h"

#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace cardisto::ZeroedBlock {

namespace {

#ifdef __linux__
// From one huge page up, blocks are mapped directly so that they can be marked for huge pages.
constexpr std::size_t kHugePage = std::size_t(2) << 20;
#endif

} // namespace

void* allocate(std::size_t bytes)
{
#ifdef __linux__
    if (bytes >= kHugePage) {
        void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            return nullptr;
        madvise(block, bytes, MADV_HUGEPAGE); // a hint: without huge pages the block still works
        return block;
    }
#endif
    return std::calloc(bytes, 1);
}

void release(void* block, std::size_t bytes)
{
    if (!block)
        return;
#ifdef __linux__
    if (bytes >= kHugePage) {
        munmap(block, bytes);
        return;
    }
#endif
    (void)bytes;
    std::free(block);
}

} // namespace cardisto::ZeroedBlock
