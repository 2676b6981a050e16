// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApplication.h"

#include "CliConvert.h"
#include "CliExtract.h"
#include "CliHelp.h"
#include "CliMessages.h"
#include "CliOutput.h"
#include "CliTable.h"

namespace cardisto {

namespace {

int writeAnswer(QIODevice& out, QIODevice& err, const QString& text)
{
    CliOutput output(out);
    output.write(text);
    return output.finish(err) ? kCliOk : kCliReportedError;
}

} // namespace

int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err, QIODevice* in,
           const QList<QByteArray>& rawArguments)
{
    const QString command = arguments.size() > 1 ? arguments.at(1) : QString();
    if (command == u"convert") {
        QStringList rest = arguments;
        QList<QByteArray> rawRest = rawArguments;
        rest.removeAt(1);
        if (rawRest.size() > 1)
            rawRest.removeAt(1);
        return runConvertCommand(rest, out, err, in, rawRest);
    }
    if (command == u"extract")
        return runExtractCommand(arguments, out, err, in, rawArguments);
    if (command == u"table")
        return runTableCommand(arguments, out, err, in, rawArguments);
    if (command == u"--help" || command == u"-h" || command == u"help")
        return writeAnswer(out, err, overviewHelpText());
    if (command == u"--version" || command == u"-v")
        return writeAnswer(out, err, QStringLiteral("cardisto-cli " CARDISTO_VERSION "\n"));
    if (command.isEmpty())
        writeCliMessage(err, QStringLiteral("usage"),
                        QStringLiteral("no command given (convert, extract or table; see --help)"));
    else
        writeCliMessage(err, command, QStringLiteral("unknown command (convert, extract or table; see --help)"));
    return kCliUsage;
}

} // namespace cardisto
