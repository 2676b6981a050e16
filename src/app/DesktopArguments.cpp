// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopArguments.h"

#include "inputs/InputFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

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

void addCommandLinePaths(InputFileList& list, const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
    QMimeData dropped;
    dropped.setUrls(urls);
    list.dropMimeData(&dropped, Qt::CopyAction, -1, -1, {});
}

} // namespace cardisto
