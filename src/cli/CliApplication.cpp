#include "CliApplication.h"

#include "CliConvert.h"
#include "CliExtract.h"

#include <QCommandLineParser>

namespace cardisto {

namespace {

void writeText(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8());
}

QString overview()
{
    return QStringLiteral("Cardisto batch front end: pulls contact data out of vCard files.\n\n"
                          "Commands:\n"
                          "  convert [--fields all|none|LIST] FILE\n"
                          "      Writes the converted text of FILE (the kept values, one per line).\n"
                          "  extract ... INPUT...\n"
                          "      Runs an extraction command over the input files (see extract --help).\n\n"
                          "LIST is a comma list of emails, phones, names, addresses.\n");
}

} // namespace

int runCli(const QStringList& arguments, QIODevice& out, QIODevice& err)
{
    const QString command = arguments.size() > 1 ? arguments.at(1) : QString();
    QStringList rest = arguments;
    if (command == u"convert") {
        rest.removeAt(1);
        return runConvertCommand(rest, out, err);
    }
    if (command == u"extract")
        return runExtractCommand(arguments, out, err);
    if (command == u"--help" || command == u"-h" || command == u"help") {
        writeText(out, overview());
        return kCliOk;
    }
    if (command == u"--version" || command == u"-v") {
        writeText(out, QStringLiteral("cardisto-cli " CARDISTO_VERSION "\n"));
        return kCliOk;
    }
    if (command.isEmpty())
        writeText(err, QStringLiteral("No command given.\n\n") + overview());
    else
        writeText(err, QStringLiteral("Unknown command: %1\n\n").arg(command) + overview());
    return kCliUsage;
}

} // namespace cardisto
