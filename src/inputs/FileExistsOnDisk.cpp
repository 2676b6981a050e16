// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileExistsOnDisk.h"

#include "PathLimit.h"
#include "shell/FileNameBytes.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#else
#include <QFileInfo>
#endif

namespace cardisto {

bool FileExistsOnDisk(const QString& path)
{
    if (path.isEmpty() || !fitsPathLimit(path))
        return false;
#ifdef Q_OS_UNIX
    struct stat info;
    return ::stat(fileNameBytes(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
#else
    return QFileInfo(path).isFile();
#endif
}

} // namespace cardisto
