// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliInputs.h"

#include "CliMessages.h"
#include "inputs/FilePattern.h"
#include "inputs/FolderScan.h"
#include "inputs/PathListFile.h"
#include "shell/FileHelpers.h"
#include "shell/FileNameBytes.h"
#include "shell/platform/FileSelection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace cardisto {

namespace {

// A path typed with '/' on Windows is made native, so that the '\' the folder walk adds does not
// follow a '/' (./tree/ would list ./tree/\A.VCF).
QString commandLinePath(const QString& path)
{
#ifdef Q_OS_WIN
    QString native = QDir::toNativeSeparators(path);
    // A path from the root of the current drive gets its letter: the folder walk's network rule
    // would take a single leading '\' for the start of a server name.
    if (native.startsWith(u'\\') && !native.startsWith(QStringLiteral("\\\\"))) {
        const QString current = QDir::currentPath();
        if (current.size() >= 2 && current.at(1) == u':')
            native.prepend(current.left(2));
    }
    return native;
#else
    return path;
#endif
}

} // namespace

CliInputs::CliInputs(QIODevice& err, CliErrorReporter& reporter, QIODevice* in)
    : m_err(err), m_reporter(reporter), m_in(in)
{
    m_reporter.setShownText([this](const QString& text) { return shownText(text); });
}

CliInputs::~CliInputs()
{
    m_reporter.setShownText({});
}

void CliInputs::report(const QString& shown, const QString& reason)
{
    ++m_reported;
    writeCliMessage(m_err, shown, reason);
}

bool CliInputs::readable(const QString& path, const QString& shown)
{
    if (!FileIsPresent(path)) {
        ++m_missing;
        report(shown, fileNotFoundMessage());
        return false;
    }
    const QFileInfo info(path);
    if (!info.isDir() && !info.isReadable()) {
        report(shown, QString::fromLocal8Bit(std::strerror(EACCES)));
        return false;
    }
    return true;
}

std::optional<QString> CliInputs::standardInputPath()
{
    if (m_standardInput)
        return m_standardInput;
    if (!m_dir) {
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_dir->isValid()) {
            report(QStringLiteral("-"), m_dir->errorString());
            return std::nullopt;
        }
        m_dirPath = m_dir->path();
    }
    QFile in;
    if (!m_in)
        in.open(stdin, QIODevice::ReadOnly);
    QIODevice& device = m_in ? *m_in : in;
    QFile spool(m_dir->filePath(QStringLiteral("standard-input")));
    if (!spool.open(QIODevice::WriteOnly)) {
        report(QStringLiteral("-"), spool.errorString());
        return std::nullopt;
    }
    // Copied in pieces: standard input may be larger than the run's memory needs to be.
    QByteArray piece;
    while (!(piece = device.read(1 << 20)).isEmpty()) {
        if (spool.write(piece) != piece.size()) {
            report(QStringLiteral("-"), spool.errorString());
            return std::nullopt;
        }
    }
    spool.close();
    m_shown.insert(spool.fileName(), QStringLiteral("-"));
    m_standardInput = spool.fileName();
    return m_standardInput;
}

std::optional<QString> CliInputs::undecodedNamePath(const QByteArray& name)
{
    const QString shown = escapedFileName(name);
#ifdef Q_OS_UNIX
    if (!m_dir) {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dirPath = m_dir->isValid() ? m_dir->path() : QString();
    }
    QByteArray target = name;
    if (!target.startsWith('/'))
        target = QFile::encodeName(QDir::currentPath()) + '/' + target;
    if (::access(target.constData(), F_OK) != 0) {
        ++m_missing;
        report(shown, fileNotFoundMessage());
        return std::nullopt;
    }
    const QString link = m_dirPath + QStringLiteral("/name-") + QString::number(m_shown.size());
    if (m_dirPath.isEmpty() || ::symlink(target.constData(), QFile::encodeName(link).constData()) != 0) {
        report(shown, QStringLiteral("the name does not decode and cannot be read"));
        return std::nullopt;
    }
    report(shown, QStringLiteral("the name is no valid text; read, and shown with its bytes escaped"));
    m_shown.insert(link, shown);
    return link;
#else
    report(shown, fileNotFoundMessage());
    ++m_missing;
    return std::nullopt;
#endif
}

std::optional<QString> CliInputs::fileToRead(const CliInputSource& source)
{
    if (source.path == u"-")
        return standardInputPath();
    if (!source.undecodedName.isEmpty())
        return undecodedNamePath(source.undecodedName);
    const QString path = commandLinePath(source.path);
    if (!readable(path, path))
        return std::nullopt;
    return path;
}

QStringList CliInputs::collect(const QList<CliInputSource>& sources)
{
    QStringList entries;
    for (const CliInputSource& source : sources) {
        const std::optional<QString> path = fileToRead(source);
        if (!path)
            continue;
        const QString shown = shownName(*path);
        if (source.kind == CliInputSource::Kind::Input) {
            // As "Add All VCF Files In Folder": the vCard files of the whole tree, level by level.
            if (IsFolder(*path).value_or(false))
                entries.append(scanFolderTree(*path, vcfFilePattern(), m_reporter).paths);
            else
                entries.append(*path);
            continue;
        }
        QStringList rows;
        try {
            rows = readPathListFile(*path);
        } catch (const ProcedureFailure& failure) {
            report(shown, shownText(failure.description()));
            continue;
        }
        // Each row is an input of its own; an empty row names nothing and is passed over.
        for (const QString& row : std::as_const(rows)) {
            if (!row.isEmpty() && readable(row, row))
                entries.append(row);
        }
    }
    return entries;
}

QString CliInputs::shownName(const QString& entry) const
{
    if (m_dirPath.isEmpty() || !entry.startsWith(m_dirPath))
        return entry;
    for (auto it = m_shown.cbegin(); it != m_shown.cend(); ++it) {
        const QString& link = it.key();
        if (entry == link)
            return it.value();
        if (entry.startsWith(link) && (entry.at(link.size()) == u'/' || entry.at(link.size()) == u'\\'))
            return it.value() + entry.mid(link.size());
    }
    return entry;
}

QString CliInputs::shownText(QString text) const
{
    if (m_dirPath.isEmpty() || !text.contains(m_dirPath))
        return text;
    // Longest first: ".../name-1" is the start of ".../name-10".
    QStringList paths = m_shown.keys();
    std::sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& path : std::as_const(paths))
        text.replace(path, m_shown.value(path));
    return text;
}

} // namespace cardisto
