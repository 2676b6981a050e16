// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace cardisto {

// Blocks of a megabyte or more (file contents, converted pieces) are taken from the system and
// given back when freed, instead of from the heap: they come and go with every file of a run, and
// a heap they passed through stays large and fragmented. Called once, first thing in main().
void giveLargeBlocksBackWhenFreed();

} // namespace cardisto
