// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSelection.h"

#include "shell/FileHelpers.h"

#include <QDir>

namespace cardisto {

namespace {

// The folder part of a path in '/' form: "/a/b.vcf" -> "/a", "/b.vcf" -> "/", "C:/b.vcf" -> "C:/".
QString folderOf(const QString& path)
{
    const qsizetype cut = path.lastIndexOf(u'/');
    if (cut < 0)
        return QString();
    const QString folder = path.left(cut);
    if (folder.isEmpty() || (folder.size() == 2 && folder[1] == u':'))
        return folder + u'/';
    return folder;
}

// The deepest folder that holds every path, in '/' form.
QString commonFolder(const QStringList& paths)
{
    QString common = folderOf(paths.first());
    for (const QString& path : paths) {
        while (!common.isEmpty()) {
            const QString prefix = common.endsWith(u'/') ? common : common + u'/';
            if (path.startsWith(prefix))
                break;
            const QString parent = folderOf(common.endsWith(u'/') ? common.chopped(1) : common);
            common = parent == common ? QString() : parent;
        }
    }
    return common;
}

} // namespace

QString tooManyFilesMessage()
{
    return QStringLiteral("You've selected too many files to add.\r\rPlease try adding via the \"Add All\" button.");
}

QString addFilesDialogTitle()
{
    return QStringLiteral("Add File(s) - Hold Ctrl to select multiple files");
}

QString allFilesDialogFilter()
{
    return QStringLiteral("All Files (*.*)|*.*|");
}

QString fileNotFoundMessage()
{
    return QStringLiteral("File not found");
}

FileSelection FileSelection::tooManyFiles()
{
    FileSelection selection;
    selection.m_status = Status::TooManyFiles;
    return selection;
}

FileSelection FileSelection::fromParts(QStringList parts)
{
    if (parts.isEmpty())
        return cancelled();
    if (parts.join(QChar(0)).size() > kSelectionBufferCharacters)
        return tooManyFiles();
    FileSelection selection;
    selection.m_status = Status::Chosen;
    selection.m_parts = std::move(parts);
    return selection;
}

FileSelection FileSelection::fromChosenPaths(const QStringList& paths)
{
    if (paths.size() <= 1)
        return fromParts(paths);
    QStringList slashed;
    slashed.reserve(paths.size());
    for (const QString& path : paths)
        slashed.append(QDir::fromNativeSeparators(path));
    const QString folder = commonFolder(slashed);
    QStringList parts{QDir::toNativeSeparators(folder)};
    const qsizetype skip = folder.isEmpty() ? 0 : (folder.endsWith(u'/') ? folder.size() : folder.size() + 1);
    for (const QString& path : slashed)
        parts.append(QDir::toNativeSeparators(path.mid(skip)));
    return fromParts(std::move(parts));
}

QStringList FileSelection::paths() const
{
    if (m_parts.size() <= 1)
        return m_parts;
    QStringList result;
    result.reserve(m_parts.size() - 1);
    const QString& folder = m_parts.first();
    for (qsizetype i = 1; i < m_parts.size(); ++i)
        result.append(folder.isEmpty() ? m_parts[i] : joinFolderAndName(folder, m_parts[i]));
    return result;
}

} // namespace cardisto
