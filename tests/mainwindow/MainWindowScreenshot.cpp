// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures of the main window: the sample files listed, "Show source filename next
// to extracted text" ticked and "Extract All Lines" run. Not a test; run it by hand on a display:
//
//   xvfb-run -s "-screen 0 1280x800x24" build/bin/MainWindowScreenshot docs/main-window.png [FOLDER] [--size=WxH]
//
// FOLDER holds the vCard files to list; the program's Samples folder when not given. The window has
// its designed size, 1240x740, unless --size gives another (docs/main-window-1100x650.png).

#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "shell/platform/QtPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace cardisto;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    QSize size(1240, 740);
    for (const QString& argument : QStringList(arguments)) {
        if (!argument.startsWith(QStringLiteral("--size=")))
            continue;
        const QStringList numbers = argument.mid(7).split(u'x');
        size = QSize(numbers.value(0).toInt(), numbers.value(1).toInt());
        arguments.removeOne(argument);
    }
    if (arguments.isEmpty() || arguments.size() > 2 || size.isEmpty()) {
        std::fputs("usage: MainWindowScreenshot OUTPUT.png [FOLDER] [--size=WIDTHxHEIGHT]\n", stderr);
        return 2;
    }
    const QString output = arguments[0];
    QTemporaryDir settingsFolder;
    QtPlatform platform;
    SettingsStore settings(settingsFolder.filePath(QStringLiteral("settings.ini")));
    const ProgramFolder programFolder(QStringLiteral(CARDISTO_BINARY_DIR));
    Form1 window({platform, settings, programFolder, [] {
                      return 0.5;
                  }});
    window.resize(size);
    window.show();

    const QDir samples(arguments.size() == 2 ? arguments[1] : programFolder.filePath(QStringLiteral("Samples")));
    for (const QString& name : samples.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name))
        window.inputFiles().append(QDir::toNativeSeparators(samples.filePath(name)));
    window.findChild<QCheckBox*>(QStringLiteral("Check14"))->setChecked(true);
    window.findChild<QPushButton*>(QStringLiteral("PushButton13"))->click();

    int status = 1;
    QTimer::singleShot(500, &window, [&] {
        status = window.grab().save(output) ? 0 : 1;
        if (status != 0)
            std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
