// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the pictures of the tool windows in docs/: the main window's buttons open them over the
// program's sample files, with markers typed, a few items in the text set and the contacts table of
// the sample files. Not a test; run it by hand on a display:
//
//   xvfb-run -s "-screen 0 1280x800x24" build/bin/ToolWindowScreenshot docs/form2.png docs/form3.png docs/contacts-table.png

#include "extraction/ContactsTableModel.h"
#include "extraction/windows/ContactsTableWindow.h"
#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "shell/platform/QtPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace cardisto;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fputs("usage: ToolWindowScreenshot FORM2.png FORM3.png CONTACTS-TABLE.png\n", stderr);
        return 2;
    }
    QTemporaryDir settingsFolder;
    SettingsStore settings(settingsFolder.filePath(QStringLiteral("settings.ini")));
    settings.save(SettingKey::StartWith, QStringLiteral("remove="));
    settings.save(SettingKey::EndWith, QStringLiteral("\" target"));
    settings.save(SettingKey::Combo1,
                  joinComboItems({QStringLiteral("@"), QStringLiteral("width"), QStringLiteral("misery")}));
    QtPlatform platform;
    const ProgramFolder programFolder(QStringLiteral(CARDISTO_BINARY_DIR));
    Form1 window({platform, settings, programFolder, [] {
                      return 0.5;
                  }});
    window.show();
    const QDir samples(programFolder.path() + QStringLiteral("/Samples"));
    for (const QString& name : samples.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name))
        window.inputFiles().append(samples.absoluteFilePath(name));
    window.controls().Check14->setChecked(true);
    window.controls().PushButton4->click();
    window.controls().PushButton15->click();
    auto* form2 = window.findChild<Form2*>();
    auto* form3 = window.findChild<Form3*>();
    form2->move(window.pos() + QPoint(60, 60));
    form3->move(window.pos() + QPoint(560, 60));
    form3->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    window.controls().PushButton24->click();
    auto* contacts = window.findChild<ContactsTableWindow*>();
    contacts->move(window.pos() + QPoint(40, 120));

    int status = 1;
    QTimer::singleShot(500, &window, [&] {
        status = form2->grab().save(QString::fromLocal8Bit(argv[1])) &&
                         form3->grab().save(QString::fromLocal8Bit(argv[2])) &&
                         contacts->grab().save(QString::fromLocal8Bit(argv[3]))
                     ? 0
                     : 1;
        if (status != 0)
            std::fputs("cannot write the pictures\n", stderr);
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
