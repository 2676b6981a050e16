// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopArguments.h"

#include "shell/FileNameBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace cardisto {

DesktopArguments parseDesktopArguments(const QStringList& arguments)
{
    DesktopArguments parsed;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded || !argument.startsWith(u'-') || argument == u"-") {
            parsed.paths.append(argument);
        } else if (argument == u"--") {
            optionsEnded = true;
        } else if (argument == u"--help" || argument == u"-h") {
            parsed.action = DesktopArguments::Action::ShowHelp;
        } else if (argument == u"--version" || argument == u"-v") {
            if (parsed.action != DesktopArguments::Action::ShowHelp)
                parsed.action = DesktopArguments::Action::ShowVersion;
        } else {
            parsed.unknownOptions.append(argument);
        }
    }
    return parsed;
}

QString desktopHelpText()
{
    return QStringLiteral(
        "Usage: cardisto [OPTION]... [FILE]...\n"
        "Pulls contact data out of vCard files. Each FILE is added to the input file list, in order;\n"
        "a folder adds the .vcf files in it and in its sub-folders.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n"
        "\n"
        "For batch work without a window, use cardisto-cli (cardisto-cli --help).\n");
}

QString desktopVersionText()
{
    return QStringLiteral("cardisto " CARDISTO_VERSION "\n");
}

QStringList commandLineEntries(const QStringList& paths)
{
    QStringList entries;
    for (const QString& path : paths) {
        // A name with undecodable bytes stays text: QFileInfo would spell it with other bytes.
        const QString absolute = !holdsUndecodedBytes(path)  ? QFileInfo(path).absoluteFilePath()
                                 : QDir::isAbsolutePath(path) ? path
                                                              : QDir::currentPath() + u'/' + path;
        entries.append(QDir::toNativeSeparators(QDir::cleanPath(absolute)));
    }
    return entries;
}

QStringList commandLineArguments(int argc, const char* const* argv)
{
    QStringList arguments;
#ifdef Q_OS_UNIX
    for (int i = 1; i < argc; ++i)
        arguments.append(fileNameFromBytes(argv[i]));
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    arguments = QCoreApplication::arguments().mid(1);
#endif
    return arguments;
}

} // namespace cardisto
