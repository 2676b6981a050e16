// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcfFileReading.h"

#include "VcfConverter.h"
#include "VcfTextForm.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"

#include <QFileInfo>

namespace cardisto {

namespace {

// The two conversion procedures of module Extract1: the file read at statement 100, converted at 102.
QString readAndConvert(const QString& path, const QString& procedure, const ConversionChoice& choice,
                       const AssemblyProgress& progress, ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(QStringLiteral("Extract1"), procedure));
    QByteArray bytes;
    QString converted;
    guard(100, [&] { bytes = ReadFileToString(path); });
    guard(102, [&] { converted = convertVcfBytes(bytes, choice, progress); });
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

QString ReadVCFFileToString(const QString& path, const ConversionChoice& choice, const AssemblyProgress& progress,
                            ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(QStringLiteral("Extract1"), QStringLiteral("ReadVCFFileToString")));
    QString converted;
    // The whole choice goes on, so that the decoding flag reaches the conversion.
    guard(100, [&] {
        converted = choice.mode == FieldMode::AllFields
                        ? readAndConvert(path, QStringLiteral("ReadVCFAllFields"), choice, progress, reporter)
                        : readAndConvert(path, QStringLiteral("ReadVCFSomeFields"), choice, {}, reporter);
    });
    return converted;
}

} // namespace cardisto
