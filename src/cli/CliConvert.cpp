// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliConvert.h"

#include "CliApplication.h"
#include "CliExtractArguments.h"
#include "CliFieldOption.h"
#include "CliHelp.h"
#include "CliInputs.h"
#include "CliMessages.h"
#include "CliOutput.h"
#include "conversion/VcfFileReading.h"

#include <QCommandLineParser>

namespace cardisto {

int runConvertCommand(const QStringList& arguments, QIODevice& out, QIODevice& err, QIODevice* in,
                      const QList<QByteArray>& rawArguments)
{
    const QString command = QStringLiteral("convert");
    QCommandLineParser parser;
    parser.addOptions(parserOptions(convertHelp()));
    parser.addPositionalArgument(QStringLiteral("FILE"), QString());
    if (!parser.parse(arguments)) {
        writeCliMessage(err, command, parser.errorText());
        return kCliUsage;
    }
    CliOutput output(out);
    if (parser.isSet(QStringLiteral("help"))) {
        output.write(helpText(convertHelp()));
        return output.finish(err) ? kCliOk : kCliReportedError;
    }
    const QString fields = parser.value(QStringLiteral("fields"));
    auto choice = parser.isSet(QStringLiteral("fields")) ? parseFieldsOption(fields)
                                                         : std::optional(ConversionChoice::allFields());
    if (!choice) {
        writeCliMessage(err, command, unknownFieldListMessage(fields));
        return kCliUsage;
    }
    choice->decodeLines = parser.isSet(QStringLiteral("decode"));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        writeCliMessage(err, command, QStringLiteral("convert takes exactly one FILE."));
        return kCliUsage;
    }

    CliErrorReporter reporter(err);
    CliInputs inputs(err, reporter, in);
    // The FILE is the last argument that is no option; its bytes are looked up for a name that
    // does not decode.
    const qsizetype fileIndex = arguments.lastIndexOf(files.constFirst());
    const CliInputSource source{CliInputSource::Kind::Input, files.constFirst(),
                                undecodedBytes(arguments, rawArguments, fileIndex)};
    const std::optional<QString> path = inputs.fileToRead(source);
    if (!path)
        return inputs.anyMissing() ? kCliUsage : kCliReportedError;
    output.write(ReadVCFFileToString(*path, *choice, {}, reporter));
    if (!output.finish(err))
        return kCliReportedError;
    return reporter.reportCount() > 0 || inputs.anyReported() ? kCliReportedError : kCliOk;
}

} // namespace cardisto
