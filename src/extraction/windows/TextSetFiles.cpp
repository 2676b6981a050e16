// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextSetFiles.h"

#include "TextSetList.h"
#include "shell/FileHelpers.h"
#include "shell/platform/FileSelection.h"
#include "shell/platform/Platform.h"

namespace cardisto {

void LoadComboFromFile(TextSetList& list, const QString& path, Platform& platform)
{
    if (!FileIsPresent(path)) {
        platform.showMessage(fileNotFoundMessage());
        return;
    }
    // The whole file is read before anything is added, so a failed read adds nothing.
    list.append(itemsFromLines(ReadLinesToArray(path)));
}

} // namespace cardisto
