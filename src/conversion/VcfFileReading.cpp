// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcfFileReading.h"

#include "VcfConverter.h"
#include "VcfTextForm.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"

#include <QFileInfo>

#include <limits>
#include <utility>

namespace cardisto {

namespace {

// The two conversion procedures of module Extract1: the file read at statement 100, converted at 102.
void readAndConvert(const QString& path, const QString& procedure, const ConversionChoice& choice, qsizetype pieceBytes,
                    const ConvertedPieceSink& takePiece, const AssemblyProgress& progress, ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(QStringLiteral("Extract1"), procedure));
    QByteArray bytes;
    guard(100, [&] { bytes = ReadFileToString(path); });
    guard(102, [&] { convertVcfBytesInPieces(std::move(bytes), choice, pieceBytes, takePiece, progress); });
}

QString readAndConvert(const QString& path, const QString& procedure, const ConversionChoice& choice,
                       const AssemblyProgress& progress, ErrorReporter& reporter)
{
    QString converted;
    const auto keep = [&converted](QString piece, bool) {
        converted = std::move(piece);
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
    const QFileInfo info(path);
    if (info.isFile() && info.size() <= 0)
        return QByteArrayLiteral("empty file");
    QByteArray bytes = readWholeFile(path);
    if (looksLikeBinaryVcfData(bytes))
        throw notATextFile(path);
    return bytes;
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
    const auto keep = [&converted](QString piece, bool) {
        converted = std::move(piece);
        return true;
    };
    ReadVCFFileInPieces(path, choice, std::numeric_limits<qsizetype>::max(), keep, progress, reporter);
    return converted;
}

} // namespace cardisto
