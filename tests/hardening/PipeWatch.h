// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cardisto::test {

// Named pipes live in the file system on Unix systems only; Windows keeps its pipes apart.
inline constexpr bool kNamedPipesInFileSystem =
#ifdef Q_OS_UNIX
    true;
#else
    false;
#endif

// Makes a named pipe at path; false where the system has none (see above) or it cannot be made.
inline bool makeNamedPipe(const QString& path)
{
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// Watches a named pipe from a thread of its own. Whenever someone has the pipe open for reading
// (a reader that would wait for a writer forever), the watch opens it for writing and closes it
// again: the reader then sees an empty pipe instead of hanging, and the watch remembers that it
// had to step in, so that a test fails instead of blocking.
class PipeWatch {
public:
    explicit PipeWatch(const QString& path) : m_path(QFile::encodeName(path)), m_thread([this] { watch(); }) {}
    ~PipeWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    PipeWatch(const PipeWatch&) = delete;
    PipeWatch& operator=(const PipeWatch&) = delete;

    bool readerWasWaiting() const { return m_released; }

private:
    void watch()
    {
        while (!m_stop) {
#ifdef Q_OS_UNIX
            // Without a reader this open fails at once (ENXIO); with one it succeeds and frees it.
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                m_released = true;
                ::close(fd);
            }
#endif
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    QByteArray m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_released{false};
    std::thread m_thread;
};

} // namespace cardisto::test
