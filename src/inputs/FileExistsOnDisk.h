// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

// True exactly when the path names an existing regular file, directly or through links, that fits
// the path limit. Folders, pipes, sockets and devices are not files to scan: reading a pipe would
// block the program. Never fails.
bool FileExistsOnDisk(const QString& path);

} // namespace cardisto
