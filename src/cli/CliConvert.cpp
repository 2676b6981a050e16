#include "CliConvert.h"

#include "CliApplication.h"
#include "CliFieldOption.h"
#include "conversion/VcfFileReading.h"
#include "shell/ErrorReport.h"

#include <QCommandLineParser>

namespace cardisto {

int runConvertCommand(const QStringList& arguments, QIODevice& out, QIODevice& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the converted text of a vCard file: the kept values, one per line, joined by CR LF."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    const QCommandLineOption fieldsOption(
        QStringLiteral("fields"),
        QStringLiteral("all (every field, the default), none, or a comma list of emails, phones, names, addresses."),
        QStringLiteral("fields"), QStringLiteral("all"));
    parser.addOption(helpOption);
    parser.addOption(fieldsOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The vCard file to convert."));
    if (!parser.parse(arguments)) {
        err.write((parser.errorText() + u'\n').toUtf8());
        return kCliUsage;
    }
    if (parser.isSet(helpOption)) {
        out.write(parser.helpText().replace(QStringLiteral("[options]"), QStringLiteral("convert [options]")).toUtf8());
        return kCliOk;
    }
    const auto choice = parseFieldsOption(parser.value(fieldsOption));
    if (!choice) {
        err.write((unknownFieldListMessage(parser.value(fieldsOption)) + u'\n').toUtf8());
        return kCliUsage;
    }
    if (parser.positionalArguments().size() != 1) {
        err.write(QByteArrayLiteral("convert takes exactly one FILE.\n"));
        return kCliUsage;
    }
    StreamErrorReporter reporter(&err);
    const QString converted = ReadVCFFileToString(parser.positionalArguments().constFirst(), *choice, {}, reporter);
    out.write(converted.toUtf8());
    return reporter.reportCount() > 0 ? kCliReportedError : kCliOk;
}

} // namespace cardisto
