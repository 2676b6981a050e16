// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pointers.h"

#include "CursorFile.h"
#include "shell/FileHelpers.h"
#include "shell/ProgramFolder.h"

#include <QPixmap>

namespace cardisto {

namespace {

std::optional<QCursor> cursorFromFile(const QString& path)
{
    if (!FileIsPresent(path))
        return std::nullopt;
    const std::optional<CursorImage> image = readCursorImage(path);
    if (!image)
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image->image), image->hotSpot.x(), image->hotSpot.y());
}

} // namespace

QString handPointerFileName()
{
    return QStringLiteral("HAND-M.CUR");
}

QString dragPointerFileName()
{
    return QStringLiteral("drag.ico");
}

QCursor loadHandPointer(const ProgramFolder& folder)
{
    return cursorFromFile(folder.filePath(handPointerFileName())).value_or(QCursor(Qt::PointingHandCursor));
}

std::optional<QCursor> loadDragPointer(const ProgramFolder& folder)
{
    return cursorFromFile(folder.filePath(dragPointerFileName()));
}

} // namespace cardisto
