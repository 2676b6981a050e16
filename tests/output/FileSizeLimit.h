// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace cardisto::test {

// Whether FileSizeLimit works here: Windows has no limit on the size of a process's files.
inline constexpr bool kFileSizeLimits =
#ifdef Q_OS_UNIX
    true;
#else
    false;
#endif

#ifdef Q_OS_UNIX
// Files may grow to `bytes` at most while it lives, so that a write beyond fails as on a full disk
// (even for root, whom folder permissions do not stop).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the test
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int);
};
#else
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64) {}
};
#endif

} // namespace cardisto::test
