// SPDX-License-Identifier: GPL-3.0-or-later
#include "Skin.h"

#include "WindowColours.h"
#include "shell/FileHelpers.h"
#include "shell/ProgramFolder.h"
#include "shell/TextDecoding.h"

#include <QWidget>

namespace cardisto {

QString skinFilePath(const ProgramFolder& folder)
{
    return folder.filePath(QStringLiteral("x/skin.qss"));
}

bool ApplySkin(QWidget* window, const ProgramFolder& folder)
{
    const QString path = skinFilePath(folder);
    if (!window || !FileIsPresent(path))
        return false;
    const QString styleSheet = decodeTextFile(readWholeFile(path));
    ApplyStandardColours(window);
    window->setStyleSheet(styleSheet);
    return true;
}

} // namespace cardisto
