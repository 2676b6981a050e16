// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcfFileReading.h"

#include "VcfConverter.h"
#include "VcfTextForm.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"

#include <QFile>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

namespace cardisto {

namespace {

// The rest of ReadFileToString, on the file it opened.
QByteArray vcfFileBytes(QFile& file, const QString& path)
{
    if (file.size() <= 0)
        return QByteArrayLiteral("empty file");
    QByteArray bytes = readFromFile(file, path, -1);
    if (looksLikeBinaryVcfData(bytes))
        throw notATextFile(path);
    return bytes;
}

// How much of a file read a part at a time is read at once.
constexpr qsizetype kReadBytes = 1024 * 1024;

// A file converted in pieces is read a part at a time, so that a huge one is never held whole,
// when it is larger than the sixteen pieces the worker may hold converted ahead anyway (and than
// the start that tells its kind). A smaller one is read in one go: reading a file twice, once
// for its encoding, costs more time than holding it costs memory.
qint64 readInPartsAbove(qsizetype pieceBytes)
{
    return std::max<qint64>(qint64(pieceBytes) * 16, kVcfInspectedBytes * 2);
}

// The encoding of a file to be read a part at a time, found by reading it once: its start tells
// a file that is no text, or UTF-16 (read whole instead: no answer), all of it whether it is UTF-8.
// Windows-1252 with decoding is converted as 16-bit text, so it is read whole as well.
std::optional<TextEncoding> encodingForReadingInParts(QFile& file, const QString& path, bool decodeLines)
{
    const QByteArray start = readFromFile(file, path, kVcfInspectedBytes);
    if (looksLikeBinaryVcfData(start))
        throw notATextFile(path);
    const TextEncoding startEncoding = detectVcfEncoding(start);
    if (startEncoding == TextEncoding::Utf16LE || startEncoding == TextEncoding::Utf16BE)
        return std::nullopt;
    Utf8Check check;
    check.add(start);
    QByteArray part;
    while (!check.failed()) {
        part.resize(0); // keeps its room for the next part
        if (appendFromFile(file, path, part, kReadBytes) == 0)
            break;
        check.add(part);
    }
    if (!check.valid() && decodeLines)
        return std::nullopt;
    if (!file.seek(0))
        return std::nullopt;
    return check.valid() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

// A file read twice that was written to meanwhile: the encoding learnt from the first read need not
// hold for the second, nor the lines fit together.
ProcedureFailure changedWhileRead(const QString& path)
{
    return ProcedureFailure(QStringLiteral("Cannot read %1 to its end: it changed while it was being read. Its "
                                           "results may be incomplete; run the extraction again once the file "
                                           "is written.")
                                .arg(path));
}

// The two conversion procedures of module Extract1: the file read at statement 100, converted at 102.
// A large file taken in pieces is read once at 100 to learn its encoding, then again part by part
// as it converts; a change to it in the meantime is reported once its last part is read.
void readAndConvert(const QString& path, const QString& procedure, const ConversionChoice& choice, qsizetype pieceBytes,
                    const ConvertedPieceSink& takePiece, const AssemblyProgress& progress, ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(QStringLiteral("Extract1"), procedure));
    QByteArray bytes;
    std::unique_ptr<QFile> file;
    std::optional<TextEncoding> encoding;
    std::optional<OpenFileStamp> stamp;
    guard(100, [&] {
        if (!FileIsPresent(path))
            return;
        file = openFileToRead(path);
        if (pieceBytes < std::numeric_limits<qsizetype>::max() && file->size() > readInPartsAbove(pieceBytes)) {
            stamp = openFileStamp(*file);
            encoding = encodingForReadingInParts(*file, path, choice.decodeLines);
            if (encoding)
                return;
            if (!file->seek(0))
                throw ProcedureFailure(QStringLiteral("Cannot read %1: %2").arg(path, file->errorString()));
        }
        bytes = vcfFileBytes(*file, path);
        file.reset();
    });
    guard(102, [&] {
        if (!encoding) {
            convertVcfBytesInPieces(std::move(bytes), choice, pieceBytes, takePiece, progress);
            return;
        }
        const auto more = [&](QByteArray& to) { return appendFromFile(*file, path, to, kReadBytes) > 0; };
        convertVcfStreamInPieces(*encoding, more, choice, pieceBytes, takePiece, progress);
        if (stamp != openFileStamp(*file))
            throw changedWhileRead(path);
    });
}

QString readAndConvert(const QString& path, const QString& procedure, const ConversionChoice& choice,
                       const AssemblyProgress& progress, ErrorReporter& reporter)
{
    QString converted;
    const auto keep = [&converted](ConvertedPiece piece) {
        converted = std::move(piece.text);
        return true;
    };
    readAndConvert(path, procedure, choice, std::numeric_limits<qsizetype>::max(), keep, progress, reporter);
    return converted;
}

} // namespace

QByteArray ReadFileToString(const QString& path)
{
    if (!FileIsPresent(path))
        return {};
    const std::unique_ptr<QFile> file = openFileToRead(path);
    return vcfFileBytes(*file, path);
}

QString ReadVCFSomeFields(const QString& path, const FieldGroups& groups, ErrorReporter& reporter)
{
    return readAndConvert(path, QStringLiteral("ReadVCFSomeFields"), ConversionChoice::someFields(groups), {},
                          reporter);
}

QString ReadVCFAllFields(const QString& path, const AssemblyProgress& progress, ErrorReporter& reporter)
{
    return readAndConvert(path, QStringLiteral("ReadVCFAllFields"), ConversionChoice::allFields(), progress, reporter);
}

void ReadVCFFileInPieces(const QString& path, const ConversionChoice& choice, qsizetype pieceBytes,
                         const ConvertedPieceSink& takePiece, const AssemblyProgress& progress, ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(QStringLiteral("Extract1"), QStringLiteral("ReadVCFFileToString")));
    // The whole choice goes on, so that the decoding flag reaches the conversion.
    guard(100, [&] {
        if (choice.mode == FieldMode::AllFields)
            readAndConvert(path, QStringLiteral("ReadVCFAllFields"), choice, pieceBytes, takePiece, progress, reporter);
        else
            readAndConvert(path, QStringLiteral("ReadVCFSomeFields"), choice, pieceBytes, takePiece, {}, reporter);
    });
}

QString ReadVCFFileToString(const QString& path, const ConversionChoice& choice, const AssemblyProgress& progress,
                            ErrorReporter& reporter)
{
    QString converted;
    const auto keep = [&converted](ConvertedPiece piece) {
        converted = std::move(piece.text);
        return true;
    };
    ReadVCFFileInPieces(path, choice, std::numeric_limits<qsizetype>::max(), keep, progress, reporter);
    return converted;
}

} // namespace cardisto
