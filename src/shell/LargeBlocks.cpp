// SPDX-License-Identifier: GPL-3.0-or-later
#include "LargeBlocks.h"

#include <cstdlib> // defines __GLIBC__ where it is glibc
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace cardisto {

void giveLargeBlocksBackWhenFreed()
{
#ifdef __GLIBC__
    // A fixed threshold also stops glibc from raising it after the first large block is freed.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

} // namespace cardisto
