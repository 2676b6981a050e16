// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChooseFolder.h"

#include "shell/platform/Platform.h"

namespace cardisto {

QString chooseFolderTitle()
{
    return QStringLiteral("Please select folder:");
}

QString ChooseFolder(Platform& platform, const QString& title, const QString& startFolder)
{
    QString folder = platform.browseForFolder(title, startFolder);
    // A path never holds a NUL; whatever follows one is not part of it.
    if (const qsizetype nul = folder.indexOf(QChar(u'\0')); nul >= 0)
        folder.truncate(nul);
    return folder;
}

} // namespace cardisto
