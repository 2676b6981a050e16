// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace cardisto::test {

// A small file system (tmpfs) mounted over a folder while it lives, which the test can fill so that
// writes there fail as on a full disk. Mounting needs the superuser; the mount is made in a mount
// namespace of the test's main thread alone, so it is seen by no other process and goes with the
// test program however it ends. Where it cannot be made, whyNot() says why and the test skips.
class SmallDisk {
public:
    SmallDisk(const QString& folder, qint64 bytes) : m_folder(QFile::encodeName(folder))
    {
#ifdef Q_OS_LINUX
        if (::geteuid() != 0) {
            m_whyNot = QStringLiteral("mounting a small file system needs the superuser");
            return;
        }
        // Once per thread: a namespace of its own whose mounts do not reach the system's.
        static thread_local const bool ownNamespace =
            ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        if (!ownNamespace || ::mount("cardisto-test", m_folder.constData(), "tmpfs", 0, options.constData()) != 0) {
            m_whyNot = QStringLiteral("no small file system can be mounted here (%1)").arg(qt_error_string());
            return;
        }
        m_mounted = true;
#else
        Q_UNUSED(bytes);
        m_whyNot = QStringLiteral("small file systems are mounted on Linux only");
#endif
    }
    ~SmallDisk()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
#endif
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString whyNot() const { return m_whyNot; }

    // Fills the disk with a file of its own until no more than `bytes` are free.
    bool leaveFree(qint64 bytes)
    {
#ifdef Q_OS_LINUX
        QFile filler(QString::fromLocal8Bit(m_folder) + QStringLiteral("/.filler"));
        if (!filler.open(QIODevice::Append))
            return false;
        const QByteArray block(4096, 'f');
        while (freeBytes() > bytes) {
            if (filler.write(block) != block.size() || !filler.flush())
                return freeBytes() <= bytes;
        }
        return true;
#else
        Q_UNUSED(bytes);
        return false;
#endif
    }
    // Takes the filling away again: the disk has room.
    void makeRoom() { QFile::remove(QString::fromLocal8Bit(m_folder) + QStringLiteral("/.filler")); }

private:
#ifdef Q_OS_LINUX
    qint64 freeBytes() const
    {
        struct statvfs info;
        return ::statvfs(m_folder.constData(), &info) == 0 ? qint64(info.f_bavail) * qint64(info.f_frsize) : 0;
    }
#endif

    QByteArray m_folder;
    bool m_mounted = false;
    QString m_whyNot;
};

} // namespace cardisto::test
