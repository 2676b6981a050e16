// SPDX-License-Identifier: GPL-3.0-or-later
// cardisto: the desktop program. Everything it does lives in the main window; this only answers
// --help and --version, wires the real boxes and dialogs, the user's settings and the program
// folder to the window, and hands it the files named on the command line.

#include "DesktopArguments.h"
#include "ParentConsole.h"
#include "shell/AppInfo.h"
#include "shell/ProgramFolder.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "shell/mainwindow/ProgramEnd.h"
#include "shell/platform/QtPlatform.h"
#include "shell/widgets/WebsiteVisit.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt gives up with an abort that names plugins, not the cause.
bool displayAvailable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

QStringList argumentsAfterName(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    using cardisto::DesktopArguments;
    // Help and version come before Qt looks for a display.
    switch (cardisto::parseDesktopArguments(argumentsAfterName(argc, argv)).action) {
    case DesktopArguments::Action::ShowHelp:
        cardisto::useParentConsole();
        std::fputs(cardisto::desktopHelpText().toLocal8Bit().constData(), stdout);
        return 0;
    case DesktopArguments::Action::ShowVersion:
        cardisto::useParentConsole();
        std::fputs(cardisto::desktopVersionText().toLocal8Bit().constData(), stdout);
        return 0;
    case DesktopArguments::Action::Run:
        break;
    }
    if (!displayAvailable()) {
        std::fputs("cardisto needs a graphical display, and neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
                   "Start it from a desktop session (or under xvfb-run).\n"
                   "For batch work use cardisto-cli, e.g. cardisto-cli extract --all-lines FILE.vcf\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Cardisto"));
    QApplication::setApplicationVersion(QStringLiteral(CARDISTO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CARDISTO_APP_ID));

    // Qt has taken its own options (-style, -platform, ...) out of the arguments by now.
    const DesktopArguments arguments = cardisto::parseDesktopArguments(cardisto::commandLineArguments(argc, argv));
    if (!arguments.unknownOptions.isEmpty()) {
        cardisto::useParentConsole();
        std::fprintf(stderr, "cardisto: unknown option %s\nTry 'cardisto --help'.\n",
                     arguments.unknownOptions.first().toLocal8Bit().constData());
        return 2;
    }

    cardisto::QtPlatform platform;
    cardisto::SettingsStore settings;
    cardisto::MainWindowServices services{platform, settings, cardisto::ProgramFolder()};
    services.website = cardisto::websiteToVisit(cardisto::builtInWebsite(), settings);
    cardisto::Form1 window(services);
    const cardisto::ProgramEnd end(&window);
    window.show();
    window.addCommandLineInputs(cardisto::commandLineEntries(arguments.paths));
    // Closed while the files named on the command line were being added (a large folder): the
    // event loop has not started, so the close's request to end it went unheard.
    if (window.isClosing())
        return cardisto::ProgramEnd::finish(0, window.results());
    return cardisto::ProgramEnd::finish(QApplication::exec(), window.results());
}
