// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers for the timed benchmark programs: resident memory and wall-clock time.

#include <QElapsedTimer>
#include <QFile>
#include <sys/resource.h>

namespace cardisto::bench {

// Current resident set size in bytes (from /proc/self/statm), 0 where unknown.
inline qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * 4096 : 0;
}

// Peak resident set size of the process so far, in bytes.
inline qint64 peakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

// User plus system CPU time of the process so far, in seconds: steadier than wall time on a busy machine.
inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The same for the calling thread alone.
inline double threadCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline double megabytes(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

// Wall-clock time since the timer was started, in seconds.
inline double seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace cardisto::bench
