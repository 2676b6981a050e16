// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace cardisto {

class ProcedureFailure;

// The folder separator of this platform; paths are shown and joined with it.
QChar nativeSeparator();

// True when the last-modified time of the path can be read (files and folders); never fails.
bool FileIsPresent(const QString& path);

// The text after the last folder separator; the whole text when there is none.
QString FileNameOnly(const QString& path);

// Collapses doubled separators left to right without rescanning (three become two). With a
// network prefix (Windows), a leading run of separators becomes exactly two.
QString collapseDoubledSeparators(const QString& path, QChar separator, bool keepNetworkPrefix);
QString CollapseDoubleBackslashes(const QString& path);

// Folder or not; no value when the path's attributes cannot be read.
std::optional<bool> IsFolder(const QString& path);

// Joins a folder and a name with one separator, then collapses doubled separators, so a folder
// that ends in one (a root) gets no second. With Windows paths only a folder that is a network
// path gives one.
QString joinFolderAndName(const QString& folder, const QString& name, QChar separator, bool windowsPaths);
QString joinFolderAndName(const QString& folder, const QString& name);

// The whole file as bytes; throws ProcedureFailure with a readable description when it cannot, and
// for anything that is not a plain file (a folder, a named pipe, a device).
QByteArray readWholeFile(const QString& path);
// The two steps of readWholeFile, for a file read a part at a time: opening, with its checks and
// messages, and reading up to maxBytes more (all that is left when negative).
std::unique_ptr<QFile> openFileToRead(const QString& path);
QByteArray readFromFile(QFile& file, const QString& path, qint64 maxBytes);
// Reads up to maxBytes more onto the end of `to`, without a copy; returns how many came (0 at the end).
qint64 appendFromFile(QFile& file, const QString& path, QByteArray& to, qint64 maxBytes);

// The size and time of last change of an open file, asked of the open file itself: another file
// renamed over its path, or its removal, does not change them; writing to it does. No value when
// the system does not tell.
struct OpenFileStamp {
    qint64 size = 0;
    qint64 modified = 0; // in the system's own units
    bool operator==(const OpenFileStamp&) const = default;
};
std::optional<OpenFileStamp> openFileStamp(const QFile& file);

// As readWholeFile, and refuses a file that is plainly no text (looksLikeBinaryData).
QByteArray readWholeTextFile(const QString& path);

// The failure that refuses a file that is plainly no text.
ProcedureFailure notATextFile(const QString& path);

// The lines of a text file (CR LF, LF or CR ends); an empty file gives one empty line.
// Throws ProcedureFailure when the file cannot be read or is plainly no text.
QStringList ReadLinesToArray(const QString& path);

// Rows of a path list file: lines end at CR or CR LF, and every LF inside a line cuts it again, so
// an LF-only file with a final LF gives a last, empty row. Nothing is trimmed.
QStringList splitPathListText(const QString& text);

// Items of an item file: every line that holds more than blanks, untrimmed.
QStringList itemsFromLines(const QStringList& lines);

} // namespace cardisto
