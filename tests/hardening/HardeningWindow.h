// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extraction/ResultsModel.h"
#include "mainwindow/Form1Fixture.h"
#include "shell/ErrorReport.h"
#include "support/ResultRows.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace cardisto::test {

// The large bad-input cases keep their real sizes in the normal build and shrink under the
// sanitizers, which run the suite several times slower.
#ifdef CARDISTO_SANITIZE
inline constexpr qint64 kLargeInputDivisor = 10;
#else
inline constexpr qint64 kLargeInputDivisor = 1;
#endif

// A main window over a fake platform (Form1Fixture) with the helpers the bad-input cases share:
// files in its temporary folder, the field mode, and the rows and error boxes a command leaves.
class HardeningWindow : public Form1Fixture {
public:
    HardeningWindow() { start(); }

    QString folder() const { return QFileInfo(settingsFile()).path(); }
    // With the system's separators, as the file dialog gives paths.
    QString pathOf(const QString& name) const { return QDir::toNativeSeparators(folder() + u'/' + name); }

    // A small vCard whose e-mail addresses are taken in both field modes.
    QString writeContacts(const QString& name, const QStringList& emails)
    {
        QByteArray content;
        for (const QString& email : emails)
            content += "BEGIN:VCARD\r\nEMAIL;TYPE=INTERNET:" + email.toUtf8() + "\r\nEND:VCARD\r\n";
        return writeFile(name, content);
    }

    // Writes head, then count pieces from makePiece(i), then tail, without holding the file in memory.
    QString writeLargeFile(const QString& name, const QByteArray& head, qint64 count,
                           const std::function<QByteArray(qint64)>& makePiece, const QByteArray& tail)
    {
        const QString path = pathOf(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        QByteArray buffer = head;
        for (qint64 i = 0; i < count; ++i) {
            buffer += makePiece(i);
            if (buffer.size() >= (1 << 22)) {
                file.write(buffer);
                buffer.clear();
            }
        }
        buffer += tail;
        if (file.write(buffer) != buffer.size() || !file.flush())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // "All Fields", or "Some Fields:" with all four groups ticked.
    void takeAllFields() { control<QRadioButton>("Option1")->click(); }
    void takeEveryFieldGroup()
    {
        control<QRadioButton>("Option2")->click();
        for (const char* name : {"Check3", "Check4", "Check6", "Check8"})
            control<QCheckBox>(name)->setChecked(true);
    }
    bool allFieldsTaken() { return control<QRadioButton>("Option1")->isChecked(); }

    void listFiles(const QStringList& paths)
    {
        form().inputFiles().clear();
        form().inputFiles().append(paths);
    }

    void click(const char* button) { control<QPushButton>(button)->click(); }

    // Column 1 of every row, committed to the view or not.
    QStringList resultRows() { return resultTexts(form().results()); }

    // The text of the error box that a guarded procedure shows for a failure.
    static QString errorBox(const QString& description, const QString& module, const QString& procedure, int line)
    {
        return errorBoxText(description, ErrorLocation::velmora(module, procedure), line);
    }

    // Where the conversion of the current field mode reports a file it cannot read.
    QString conversionErrorBox(const QString& description)
    {
        return errorBox(description, QStringLiteral("Extract1"),
                        allFieldsTaken() ? QStringLiteral("ReadVCFAllFields") : QStringLiteral("ReadVCFSomeFields"),
                        kFirstStatement);
    }
};

} // namespace cardisto::test
