#include "VcfFileReading.h"

#include "VcfConverter.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"

#include <QFileInfo>

namespace cardisto {

namespace {
const QString kModule = QStringLiteral("Extract1");
}

QByteArray ReadFileToString(const QString& path)
{
    if (!FileIsPresent(path))
        return {};
    const QFileInfo info(path);
    if (info.isFile() && info.size() <= 0)
        return QByteArrayLiteral("empty file");
    return readWholeTextFile(path);
}

QString ReadVCFSomeFields(const QString& path, const FieldGroups& groups, ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(kModule, QStringLiteral("ReadVCFSomeFields")));
    QByteArray bytes;
    QString converted;
    guard(100, [&] { bytes = ReadFileToString(path); });
    guard(102, [&] { converted = convertVcfBytes(bytes, ConversionChoice::someFields(groups)); });
    return converted;
}

QString ReadVCFAllFields(const QString& path, const AssemblyProgress& progress, ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(kModule, QStringLiteral("ReadVCFAllFields")));
    QByteArray bytes;
    QString converted;
    guard(100, [&] { bytes = ReadFileToString(path); });
    guard(102, [&] { converted = convertVcfBytes(bytes, ConversionChoice::allFields(), progress); });
    return converted;
}

QString ReadVCFFileToString(const QString& path, const ConversionChoice& choice, const AssemblyProgress& progress,
                            ErrorReporter& reporter)
{
    Guard guard(reporter, ErrorLocation::velmora(kModule, QStringLiteral("ReadVCFFileToString")));
    QString converted;
    guard(100, [&] {
        converted = choice.mode == FieldMode::AllFields ? ReadVCFAllFields(path, progress, reporter)
                                                        : ReadVCFSomeFields(path, choice.groups, reporter);
    });
    return converted;
}

} // namespace cardisto
