// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cardisto::test {

// Makes permission bits count for this process while it lives, so that an unreadable file or a
// folder without search permission fails as it does for the user. The superuser passes every
// permission check, so a test run as root acts as the user "nobody" meanwhile (every thread of
// the process: glibc changes the ids of all threads together). The folder the test works in, with
// all it holds, is given to "nobody" first, so that only the bits the test takes away keep it out.
//
//     PermissionsBind bind(dir.path());
//     if (!bind.binds())
//         QSKIP(qPrintable(bind.whyNot()));
class PermissionsBind {
public:
    explicit PermissionsBind(const QString& workFolder)
    {
#ifdef Q_OS_UNIX
        if (::geteuid() != 0)
            return;
        const QByteArray folder = QFile::encodeName(workFolder);
        bool given = ::chown(folder.constData(), kNobody, kNobody) == 0;
        for (QDirIterator it(workFolder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            given = ::lchown(QFile::encodeName(it.next()).constData(), kNobody, kNobody) == 0 && given;
        m_switched = true;
        // Real and effective ids both, as a user's are: access() asks with the real ones. The saved
        // ids stay the superuser's, to come back.
        if (!given || ::setresgid(kNobody, kNobody, 0) != 0 || ::setresuid(kNobody, kNobody, 0) != 0) {
            restore();
            m_whyNot = QStringLiteral("running as root, and the user \"nobody\" cannot be taken on here");
            return;
        }
        if (::access(folder.constData(), R_OK | X_OK) != 0) {
            restore();
            m_whyNot = QStringLiteral("running as root, and the user \"nobody\" cannot reach %1").arg(workFolder);
        }
#else
        Q_UNUSED(workFolder);
        m_whyNot = QStringLiteral("Windows has no permission bits: taking them only sets the read-only attribute");
#endif
    }
    ~PermissionsBind() { restore(); }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

    bool binds() const { return m_whyNot.isEmpty(); }
    QString whyNot() const { return m_whyNot; }

    // Back to the superuser before the object ends (to tidy up files "nobody" may not touch).
    void restore()
    {
#ifdef Q_OS_UNIX
        if (!m_switched)
            return;
        m_switched = false;
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)
            qFatal("cannot take back the superuser's ids");
#endif
    }

private:
#ifdef Q_OS_UNIX
    static constexpr uid_t kNobody = 65534;
#endif
    bool m_switched = false;
    QString m_whyNot;
};

} // namespace cardisto::test
