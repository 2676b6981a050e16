// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIODevice;

namespace cardisto {

// Hands what was written to a file so far to the disk in the background, so that the final flush
// to disk when the file is committed has little left to wait for and does not hold the window.
// Does nothing for devices that are no files, and where the system offers no such call.
void startWritingBack(QIODevice& device);

} // namespace cardisto
