// cardisto: the desktop program. Everything it does lives in the main window; this only wires the
// real boxes and dialogs, the user's settings and the program folder to it.

#include "shell/AppInfo.h"
#include "shell/ProgramFolder.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "shell/mainwindow/ProgramEnd.h"
#include "shell/platform/QtPlatform.h"

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

} // namespace

int main(int argc, char* argv[])
{
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

    cardisto::QtPlatform platform;
    cardisto::SettingsStore settings;
    cardisto::Form1 window({platform, settings, cardisto::ProgramFolder()});
    const cardisto::ProgramEnd end(&window);
    window.show();
    return cardisto::ProgramEnd::finish(QApplication::exec());
}
