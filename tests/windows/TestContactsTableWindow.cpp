// SPDX-License-Identifier: GPL-3.0-or-later
// "Contacts Table" offscreen: filled when shown and again when the list changes, following the
// source option, stopped by Esc, and written out as CSV, as a workbook and to the clipboard.

#include "FakeToolWindowContext.h"
#include "extraction/ContactsTableModel.h"
#include "extraction/windows/ContactsTableWindow.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace cardisto;
using test::FakeToolWindowContext;

namespace {

QByteArray contactsFile(int first, int count)
{
    QByteArray bytes;
    for (int i = first; i < first + count; ++i)
        bytes += "BEGIN:VCARD\r\nN:Person " + QByteArray::number(i) + ";Ann\r\nEMAIL;WORK:p" + QByteArray::number(i) +
                 "@example.org\r\nEND:VCARD\r\n";
    return bytes;
}

QString cell(const QAbstractItemModel& model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

QString header(const QAbstractItemModel& model, int column)
{
    return model.headerData(column, Qt::Horizontal).toString();
}

} // namespace

class TestContactsTableWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QStringList m_files; // three files of two contacts each

    QString settingsFile() { return m_dir.filePath(QStringLiteral("settings.ini")); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (int f = 0; f < 3; ++f)
            m_files.append(test::writeFile(m_dir.filePath(QStringLiteral("f%1.vcf").arg(f)), contactsFile(f * 2, 2)));
    }

    void showing_fillsTheTableThatFollowsListAndSourceOption()
    {
        FakeToolWindowContext context(settingsFile());
        context.inputs = m_files.mid(0, 2);
        ContactsTableWindow window(context);
        const QAbstractItemModel& table = window.table();
        QCOMPARE(window.windowTitle(), QString("Contacts Table"));
        window.showWithoutModality();
        QTRY_COMPARE(table.rowCount(), 4);
        QCOMPARE(header(table, 0), QString("First Name"));
        QCOMPARE(cell(table, 3, 2), QString("Person 3"));
        QCOMPARE(header(table, 17), QString("E-mail 1 - Label"));
        QCOMPARE(cell(table, 3, 18), QString("p3@example.org"));
        QCOMPARE(window.findChild<QLabel*>("ContactCount")->text(), QString("4 contacts"));
        QCOMPARE(context.progress.constLast(), (QPair<int, QString>{0, "Progress Bar"}));

        context.changeSourceOption(true);
        QCOMPARE(header(table, 0), QString("Source"));
        QCOMPARE(cell(table, 2, 0), m_files[1]);
        QCOMPARE(cell(table, 2, 0, Qt::ToolTipRole), m_files[1]);
        QCOMPARE(cell(table, 2, 3), QString("Person 2"));

        context.changeInputs({m_files[2]});
        QTRY_COMPARE(table.rowCount(), 2);
        QCOMPARE(cell(table, 0, 0), m_files[2]);
        context.changeInputs({});
        QTRY_COMPARE(window.findChild<QLabel*>("ContactCount")->text(), QString("No files added."));
        QCOMPARE(table.rowCount(), 0);
        QVERIFY(context.fakePlatform.boxes.isEmpty());
    }

    void escape_stopsTheFillKeepingWhatItRead()
    {
        FakeToolWindowContext context(settingsFile());
        context.inputs = m_files;
        ContactsTableWindow window(context);
        // Esc as the second file starts.
        context.onYield = [&] {
            if (context.progress.size() == 2)
                QTest::keyClick(&window, Qt::Key_Escape);
        };
        window.showWithoutModality();
        QTRY_VERIFY(!window.isFilling() && window.table().rowCount() > 0);
        QCOMPARE(window.table().rowCount(), 2);
        // The progress bar says where the fill was stopped, as any run's does.
        QCOMPARE(context.progress.constLast(), (QPair<int, QString>{0, "Stopped after 1 of 3 files"}));
    }

    void buttons_writeTheTableOut()
    {
        FakeToolWindowContext context(settingsFile());
        context.inputs = {m_files[0]};
        ContactsTableWindow window(context);
        window.showWithoutModality();
        QTRY_COMPARE(window.table().rowCount(), 2);

        const QString csv = m_dir.filePath(QStringLiteral("table.csv"));
        context.fakePlatform.chooseSaveName(csv);
        QTest::mouseClick(window.findChild<QPushButton*>("SaveAsCsv"), Qt::LeftButton);
        const QByteArray written = test::readFile(csv);
        QVERIFY2(written.startsWith("First Name,Middle Name,Last Name,"), written.constData());
        // Ann Person 1: first name, middle name, last name, fourteen empty fields, the e-mail.
        const QByteArray lastRow = "\r\nAnn,,Person 1" + QByteArray(15, ',') + "Work,p1@example.org\r\n";
        QVERIFY(written.endsWith(lastRow));

        QTest::mouseClick(window.findChild<QPushButton*>("SaveAsExcelFile"), Qt::LeftButton);
        QCOMPARE(context.fakePlatform.opened.size(), 1);
        QVERIFY(context.fakePlatform.opened[0].target.contains("Cardisto Contacts "));
        QVERIFY(QFileInfo(context.fakePlatform.opened[0].target).size() > 0);

        QTest::mouseClick(window.findChild<QPushButton*>("CopyTable"), Qt::LeftButton);
        const QStringList lines = context.fakePlatform.clipboardText.split("\r\n");
        QCOMPARE(lines.size(), 4); // header, two rows, and the empty piece after the last line end
        QVERIFY(lines[0].startsWith("First Name\tMiddle Name\t"));
        QVERIFY(lines[2].endsWith("\tWork\tp1@example.org"));

        QStringList messages;
        for (const auto& box : context.fakePlatform.boxes)
            messages.append(box.text.section(u'\r', 0, 0));
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages[0], QString("Done."));
        QVERIFY(messages[1].startsWith("The contacts are saved as "));
        QCOMPARE(messages[2], QString("The contacts table has been copied to the clipboard."));
    }
};

QTEST_MAIN(TestContactsTableWindow)
#include "TestContactsTableWindow.moc"
