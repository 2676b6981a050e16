// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileReplacement.h"

#include "shell/ErrorReport.h"

#include <QFile>
#include <QSaveFile>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cardisto {

// What a replaced file had that the replacement must keep.
struct FileReplacement::Original {
#ifdef Q_OS_UNIX
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    bool mustBeWrittenInPlace = false;
#endif
};

FileReplacement::FileReplacement(QString path) : m_path(std::move(path)) {}

FileReplacement::~FileReplacement() = default;

QIODevice& FileReplacement::open()
{
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(m_path).constData(), &status) == 0 && S_ISREG(status.st_mode)) {
        m_original = std::make_unique<Original>();
        m_original->owner = status.st_uid;
        m_original->group = status.st_gid;
        m_original->mode = status.st_mode & 07777;
        // A new file would leave the other names with the old text, or could not be given back to
        // its owner.
        m_original->mustBeWrittenInPlace = status.st_nlink > 1 || (status.st_uid != ::geteuid() && ::geteuid() != 0);
    }
    if (m_original && m_original->mustBeWrittenInPlace) {
        m_direct = std::make_unique<QFile>(m_path);
        if (!m_direct->open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw ProcedureFailure(QStringLiteral("Cannot create %1: %2").arg(m_path, m_direct->errorString()));
        return *m_direct;
    }
#endif
    m_save = std::make_unique<QSaveFile>(m_path);
    // A folder that takes no new files may still hold a file the user can write.
    m_save->setDirectWriteFallback(true);
    if (!m_save->open(QIODevice::WriteOnly))
        throw ProcedureFailure(QStringLiteral("Cannot create %1: %2").arg(m_path, m_save->errorString()));
    return *m_save;
}

void FileReplacement::commit()
{
    if (m_direct) {
        if (!m_direct->flush() || m_direct->error() != QFileDevice::NoError)
            throw ProcedureFailure(QStringLiteral("Cannot save %1: %2").arg(m_path, m_direct->errorString()));
        m_direct->close();
        return;
    }
    if (!m_save || !m_save->commit())
        throw ProcedureFailure(
            QStringLiteral("Cannot save %1: %2").arg(m_path, m_save ? m_save->errorString() : QString()));
#ifdef Q_OS_UNIX
    if (!m_original)
        return;
    const QByteArray name = QFile::encodeName(m_path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return;
    // Giving a file back to its owner needs the right to; without it the file stays the user's own.
    if (status.st_uid != m_original->owner || status.st_gid != m_original->group)
        (void)::chown(name.constData(), m_original->owner, m_original->group);
    if ((status.st_mode & 07777) != m_original->mode)
        (void)::chmod(name.constData(), m_original->mode);
#endif
}

} // namespace cardisto
