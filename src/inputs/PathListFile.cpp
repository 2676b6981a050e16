// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathListFile.h"

#include "InputFileList.h"
#include "shell/FileHelpers.h"
#include "shell/TextDecoding.h"
#include "shell/platform/FileSelection.h"
#include "shell/platform/Platform.h"

namespace cardisto {

QStringList readPathListFile(const QString& path)
{
    return splitPathListText(decodeTextFile(readWholeTextFile(path)));
}

void LoadListFromFile(InputFileList& list, const QString& path, Platform& platform)
{
    if (!FileIsPresent(path)) {
        platform.showMessage(fileNotFoundMessage());
        return;
    }
    list.append(readPathListFile(path));
}

} // namespace cardisto
