#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace cardisto {

ProgramFolder::ProgramFolder() : m_path(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())) {}

ProgramFolder::ProgramFolder(QString path) : m_path(QDir::toNativeSeparators(path)) {}

QString ProgramFolder::filePath(const QString& relativeName) const
{
    return QDir::toNativeSeparators(QDir(m_path).filePath(relativeName));
}

} // namespace cardisto
