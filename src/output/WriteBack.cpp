// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteBack.h"

#include <QFileDevice>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace cardisto {

void startWritingBack(QIODevice& device)
{
#ifdef Q_OS_LINUX
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (!file || !file->flush() || file->handle() < 0)
        return;
    // Starts the write-out of every dirty page without waiting for it; a failure here changes
    // nothing, since committing the file still syncs it.
    ::sync_file_range(file->handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(device);
#endif
}

} // namespace cardisto
