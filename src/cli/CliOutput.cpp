// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliOutput.h"

#include "CliMessages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace cardisto {

namespace {
// Large enough that a run of millions of lines makes few system calls, small enough to keep memory
// flat and to show the first lines early. Pieces hold whole lines only, so a line's UTF-8 never
// depends on where a piece ends.
constexpr qsizetype kPiece = 64 * 1024;

// Whether a write failed because the reader of the pipe went away (| head). Windows names that in
// its own error code (Wine: ERROR_PIPE_NOT_CONNECTED), which the C library does not always turn
// into EPIPE (Wine's gives EINVAL).
bool readerWentAway(int code)
{
#ifdef Q_OS_WIN
    const DWORD error = GetLastError();
    if (error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE || error == ERROR_PIPE_NOT_CONNECTED)
        return true;
#endif
#ifdef EPIPE
    return code == EPIPE;
#else
    Q_UNUSED(code);
    return false;
#endif
}
} // namespace

void CliOutput::writeLine(QStringView sourceEntry, QStringView text, bool withSource)
{
    if (withSource) {
        m_chunk += sourceEntry;
        m_chunk += u'\t';
    }
    m_chunk += text;
    m_chunk += u'\n';
    flushWhenFull();
}

void CliOutput::write(QStringView text)
{
    // Whole texts can be large (a converted file): they are written in pieces cut between lines
    // where possible, so the encoding of a pair of surrogates is never split.
    while (!text.isEmpty()) {
        qsizetype take = std::min(text.size(), kPiece);
        if (take < text.size() && text[take - 1].isHighSurrogate())
            --take;
        m_chunk += text.first(take);
        text = text.sliced(take);
        flushWhenFull();
    }
}

void CliOutput::flushWhenFull()
{
    if (m_chunk.size() >= kPiece)
        flush();
}

bool CliOutput::flush()
{
    if (m_state != State::Open) {
        m_chunk.clear();
        return false;
    }
    if (m_chunk.isEmpty())
        return true;
    const QByteArray bytes = m_chunk.toUtf8();
    m_chunk.clear();
    return writeToDevice(bytes);
}

void CliOutput::writeBytes(const QByteArray& bytes)
{
    if (flush() && !bytes.isEmpty())
        writeToDevice(bytes);
}

bool CliOutput::writeToDevice(const QByteArray& bytes)
{
    if (m_state != State::Open)
        return false;
    errno = 0;
    if (m_device.write(bytes) == bytes.size())
        return true;
    // A file device leaves the reason of the failed system call in errno.
    const int code = errno;
    if (readerWentAway(code)) {
        m_state = State::ReaderGone;
        return false;
    }
    m_state = State::Failed;
    m_failure = m_device.errorString();
    if (m_failure.isEmpty() || m_failure == u"Unknown error")
        m_failure = QString::fromLocal8Bit(std::strerror(code));
    return false;
}

bool CliOutput::finish(QIODevice& err)
{
    flush();
    if (m_state != State::Failed)
        return true;
    writeCliMessage(err, QStringLiteral("write error"), m_failure);
    return false;
}

} // namespace cardisto
