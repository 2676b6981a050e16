// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace cardisto::ZeroedBlock {

// Zero-filled memory whose pages are touched only when written. Large blocks are asked for in huge
// pages where the system offers them: a table of millions of slots probed at random would otherwise
// spend much of each lookup translating addresses. Null when the memory is not there.
void* allocate(std::size_t bytes);
// Gives back a block of allocate(bytes); null is allowed.
void release(void* block, std::size_t bytes);

} // namespace cardisto::ZeroedBlock
