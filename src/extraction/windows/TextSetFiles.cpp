#include "TextSetFiles.h"

#include "TextSetList.h"
#include "shell/FileHelpers.h"
#include "shell/platform/Platform.h"

namespace cardisto {

QString textSetFileDialogTitle()
{
    return QStringLiteral("Add File(s) - Hold Ctrl to select multiple files");
}

QString textSetFileDialogFilter()
{
    return QStringLiteral("All Files (*.*)|*.*|");
}

void LoadComboFromFile(TextSetList& list, const QString& path, Platform& platform)
{
    if (!FileIsPresent(path)) {
        platform.showMessage(QStringLiteral("File not found"));
        return;
    }
    // The whole file is read before anything is added, so a failed read adds nothing.
    list.append(itemsFromLines(ReadLinesToArray(path)));
}

} // namespace cardisto
