// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileHelpers.h"

#include "ErrorReport.h"
#include "FileNameBytes.h"
#include "TextDecoding.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#define NOMINMAX // std::max below
#include <io.h>
#include <windows.h>
#endif

namespace cardisto {

namespace {

constexpr bool kWindowsPaths =
#ifdef Q_OS_WIN
    true;
#else
    false;
#endif

// Files above this size are refused with a message instead of exhausting memory.
constexpr qint64 kLargestReadableFile = qint64(2) * 1024 * 1024 * 1024 - 1;

#ifdef Q_OS_UNIX
// A name that is not valid UTF-8 (see FileNameBytes.h) cannot go through QFileInfo or QFile by
// name, which would spell it differently: it is looked up and opened by its bytes.
std::unique_ptr<QFile> openFileByBytes(const QString& path)
{
    const QByteArray bytes = fileNameBytes(path);
    struct stat info;
    if (::stat(bytes.constData(), &info) != 0)
        throw ProcedureFailure(QStringLiteral("Cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    if (S_ISDIR(info.st_mode))
        throw ProcedureFailure(QStringLiteral("Cannot read %1: it is a folder, not a file.").arg(path));
    if (!S_ISREG(info.st_mode))
        throw ProcedureFailure(QStringLiteral("Cannot read %1: it is a pipe or a device, not a file.").arg(path));
    if (info.st_size > kLargestReadableFile)
        throw ProcedureFailure(QStringLiteral("Cannot read %1: the file is too large (%2 MB).")
                                   .arg(path)
                                   .arg(qint64(info.st_size) / (1024 * 1024)));
    const int fd = ::open(bytes.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw ProcedureFailure(QStringLiteral("Cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw ProcedureFailure(QStringLiteral("Cannot open %1: %2").arg(path, file->errorString()));
    }
    return file;
}
#endif

} // namespace

QChar nativeSeparator()
{
    return QDir::separator();
}

bool FileIsPresent(const QString& path)
{
    if (path.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat status;
    if (holdsUndecodedBytes(path))
        return ::stat(fileNameBytes(path).constData(), &status) == 0;
#endif
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

QString FileNameOnly(const QString& path)
{
    qsizetype cut = path.lastIndexOf(nativeSeparator());
    if (kWindowsPaths)
        cut = std::max(cut, path.lastIndexOf(u'/'));
    return cut < 0 ? path : path.mid(cut + 1);
}

QString collapseDoubledSeparators(const QString& path, QChar separator, bool keepNetworkPrefix)
{
    auto collapse = [separator](QStringView text) {
        QString out;
        out.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            out.append(text[i]);
            if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator)
                ++i; // the pair becomes one; what follows is not rescanned
        }
        return out;
    };
    if (!keepNetworkPrefix || !path.startsWith(separator))
        return collapse(path);
    qsizetype run = 0;
    while (run < path.size() && path[run] == separator)
        ++run;
    return QString(2, separator) + collapse(QStringView(path).mid(run));
}

QString CollapseDoubleBackslashes(const QString& path)
{
    return collapseDoubledSeparators(path, nativeSeparator(), kWindowsPaths);
}

std::optional<bool> IsFolder(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
#ifdef Q_OS_UNIX
    if (holdsUndecodedBytes(path)) {
        struct stat status;
        if (::stat(fileNameBytes(path).constData(), &status) != 0)
            return std::nullopt;
        return S_ISDIR(status.st_mode);
    }
#endif
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return info.isDir();
}

QString joinFolderAndName(const QString& folder, const QString& name, QChar separator, bool windowsPaths)
{
    // The network prefix rule only keeps a network path one: a folder that starts with a single
    // separator (the root of the current drive) must not become a server name.
    const bool networkFolder = windowsPaths && folder.startsWith(QString(2, separator));
    return collapseDoubledSeparators(folder + separator + name, separator, networkFolder);
}

QString joinFolderAndName(const QString& folder, const QString& name)
{
    return joinFolderAndName(folder, name, nativeSeparator(), kWindowsPaths);
}

std::unique_ptr<QFile> openFileToRead(const QString& path)
{
#ifdef Q_OS_UNIX
    if (holdsUndecodedBytes(path))
        return openFileByBytes(path);
#endif
    const QFileInfo info(path);
    if (info.isDir())
        throw ProcedureFailure(QStringLiteral("Cannot read %1: it is a folder, not a file.").arg(path));
    // Opening a named pipe waits for a writer and a device may never end: only plain files are read.
    if (info.exists() && !info.isFile())
        throw ProcedureFailure(QStringLiteral("Cannot read %1: it is a pipe or a device, not a file.").arg(path));
    if (info.size() > kLargestReadableFile)
        throw ProcedureFailure(QStringLiteral("Cannot read %1: the file is too large (%2 MB).")
                                   .arg(path)
                                   .arg(info.size() / (1024 * 1024)));
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        throw ProcedureFailure(QStringLiteral("Cannot open %1: %2").arg(path, file->errorString()));
    return file;
}

QByteArray readFromFile(QFile& file, const QString& path, qint64 maxBytes)
{
    QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw ProcedureFailure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return bytes;
}

qint64 appendFromFile(QFile& file, const QString& path, QByteArray& to, qint64 maxBytes)
{
    const qsizetype had = to.size();
    to.resize(had + qsizetype(maxBytes));
    const qint64 read = file.read(to.data() + had, maxBytes);
    to.resize(had + qsizetype(std::max<qint64>(read, 0)));
    if (read < 0 || file.error() != QFileDevice::NoError)
        throw ProcedureFailure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return read;
}

QByteArray readWholeFile(const QString& path)
{
    const std::unique_ptr<QFile> file = openFileToRead(path);
    return readFromFile(*file, path, -1);
}

std::optional<OpenFileStamp> openFileStamp(const QFile& file)
{
    const int fd = file.handle();
    if (fd < 0)
        return std::nullopt;
#ifdef Q_OS_UNIX
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return std::nullopt;
    return OpenFileStamp{qint64(status.st_size),
                         qint64(status.st_mtim.tv_sec) * 1000000000 + qint64(status.st_mtim.tv_nsec)};
#else
    BY_HANDLE_FILE_INFORMATION information;
    if (!::GetFileInformationByHandle(HANDLE(::_get_osfhandle(fd)), &information))
        return std::nullopt;
    return OpenFileStamp{qint64(information.nFileSizeHigh) << 32 | information.nFileSizeLow,
                         qint64(information.ftLastWriteTime.dwHighDateTime) << 32 |
                             information.ftLastWriteTime.dwLowDateTime};
#endif
}

QByteArray readWholeTextFile(const QString& path)
{
    QByteArray bytes = readWholeFile(path);
    if (looksLikeBinaryData(bytes))
        throw notATextFile(path);
    return bytes;
}

ProcedureFailure notATextFile(const QString& path)
{
    return ProcedureFailure::refusingFile(
        QStringLiteral("Cannot read %1: it is not a text file (it holds NUL bytes).").arg(path), path);
}

QStringList ReadLinesToArray(const QString& path)
{
    const QString text = decodeTextFile(readWholeTextFile(path));
    QStringList lines;
    if (text.isEmpty()) {
        lines.append(QString());
        return lines;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QStringList splitPathListText(const QString& text)
{
    QStringList rows;
    qsizetype start = 0;
    auto addLine = [&rows](QStringView line) {
        for (const QStringView piece : line.split(u'\n'))
            rows.append(piece.toString());
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r')
            continue;
        addLine(QStringView(text).mid(start, i - start));
        if (i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        addLine(QStringView(text).mid(start));
    return rows;
}

QStringList itemsFromLines(const QStringList& lines)
{
    QStringList items;
    for (const QString& line : lines) {
        // Only blanks count as empty: a line of tabs is an item.
        if (std::any_of(line.cbegin(), line.cend(), [](QChar c) { return c != u' '; }))
            items.append(line);
    }
    return items;
}

} // namespace cardisto
