// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace cardisto {

ProgramFolder::ProgramFolder() : ProgramFolder(QCoreApplication::applicationDirPath(), installedDataFolders()) {}

ProgramFolder::ProgramFolder(QString path, QStringList dataFolders)
    : m_path(QDir::toNativeSeparators(path)), m_dataFolders(std::move(dataFolders))
{
    for (QString& folder : m_dataFolders)
        folder = QDir::toNativeSeparators(folder);
}

QStringList ProgramFolder::folders() const
{
    return QStringList{m_path} + m_dataFolders;
}

QString ProgramFolder::filePath(const QString& relativeName) const
{
    for (const QString& folder : folders()) {
        const QString path = QDir(folder).filePath(relativeName);
        if (QFileInfo::exists(path))
            return QDir::toNativeSeparators(path);
    }
    return QDir::toNativeSeparators(QDir(m_path).filePath(relativeName));
}

QStringList installedDataFolders()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    // CARDISTO_DATA_FROM_BINARIES: the data folder relative to the programs' folder, e.g. ../share/cardisto.
    const QString prefixData = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(CARDISTO_DATA_FROM_BINARIES)));
    if (!folders.contains(prefixData))
        folders.append(prefixData);
    return folders;
}

} // namespace cardisto
