// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "support/FakePlatform.h"
#include "support/NamedChild.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace cardisto::test {

// A real main window over a fake platform, a settings file and a program folder of its own, with
// a yield interval of zero so that every yield of a command lets posted events run.
class Form1Fixture {
public:
    Form1Fixture() { QDir(m_dir.path()).mkpath(QStringLiteral("program")); }

    QString programFolder() const { return m_dir.filePath(QStringLiteral("program")); }
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    // The store the window uses; before start() it is the one the next window will read.
    SettingsStore& store()
    {
        if (!m_store)
            m_store = std::make_unique<SettingsStore>(settingsFile());
        return *m_store;
    }

    Form1& start(double uniformRandom = 0.5)
    {
        m_form.reset();
        m_form = std::make_unique<Form1>(MainWindowServices{platform, store(), ProgramFolder(programFolder()),
                                                            [uniformRandom] { return uniformRandom; },
                                                            std::chrono::milliseconds(0), website});
        return *m_form;
    }

    // Ends the window and the store and starts both afresh over the same settings file.
    Form1& restart()
    {
        m_form.reset();
        m_store.reset();
        return start();
    }

    Form1& form() { return *m_form; }

    // The website of the start-up visit the next start() hands the window; none by default.
    QString website;

    template <typename Control> Control* control(const char* name) { return namedChild<Control>(m_form.get(), name); }

    // The tool windows, opened with their buttons on the main window.
    Form2* openBetweenWindow()
    {
        control<QPushButton>("PushButton4")->click();
        return m_form->findChild<Form2*>();
    }
    Form3* openTextSetWindow()
    {
        control<QPushButton>("PushButton15")->click();
        return m_form->findChild<Form3*>();
    }

    // A vCard file of contacts with one e-mail address each, in the given order.
    QString writeEmailsFile(const QString& name, const QStringList& emails)
    {
        QByteArray content;
        for (const QString& email : emails)
            content += "BEGIN:VCARD\r\nVERSION:3.0\r\nEMAIL:" + email.toUtf8() + "\r\nEND:VCARD\r\n";
        return writeFile(name, content);
    }

    QString writeFile(const QString& name, const QByteArray& content)
    {
        return test::writeFile(QDir::toNativeSeparators(m_dir.filePath(name)), content);
    }

    FakePlatform platform;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Form1> m_form;
};

} // namespace cardisto::test
