// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableModelDouble.h"
#include "UnwritableTargets.h"
#include "WorkbookReader.h"
#include "output/SpreadsheetExport.h"
#include "output/SpreadsheetText.h"
#include "output/XlsxWorkbook.h"
#include "shell/ErrorReport.h"
#include "support/RecordingErrorReporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace cardisto;
using test::SheetContents;
using test::TableModelDouble;

class TestSpreadsheetExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("change"); // what the user is told of: "", "cleaned" or "cut"
        QTest::newRow("formula-like text kept") << "=a+b"
                                                << "=a+b" << QStringLiteral("");
        QTest::newRow("control characters dropped") << QStringLiteral("a\x01"
                                                                      "b\x1f"
                                                                      "c")
                                                    << "abc" << QStringLiteral("cleaned");
        QTest::newRow("CR LF becomes a line break") << "line 1\r\nline 2"
                                                    << "line 1\nline 2" << QStringLiteral("");
        QTest::newRow("tab kept") << "a\tb"
                                  << "a\tb" << QStringLiteral("");
        QTest::newRow("format non-characters dropped") << QStringLiteral("a\uFFFE\uFFFFb") << "ab" << QStringLiteral("cleaned");
        QTest::newRow("literal escape protected") << "id _x0041_ end"
                                                  << "id _x005F_x0041_ end" << QStringLiteral("");
        QTest::newRow("escape made by a dropped character protected") << QStringLiteral("_x\x01"
                                                                                        "0041_")
                                                                      << "_x005F_x0041_" << QStringLiteral("cleaned");
        QTest::newRow("underscore without escape form kept") << "_x004_ _xZZZZ_ a_b"
                                                             << "_x004_ _xZZZZ_ a_b" << QStringLiteral("");
        QTest::newRow("at the cell limit")
            << QString(kSpreadsheetCellLimit, u'a') << QString(kSpreadsheetCellLimit, u'a') << QStringLiteral("");
        QTest::newRow("over the cell limit cut there")
            << QString(kSpreadsheetCellLimit + 10, u'a') << QString(kSpreadsheetCellLimit, u'a') << QStringLiteral("cut");
        QTest::newRow("cut never splits an emoji")
            << QString(kSpreadsheetCellLimit - 1, u'a') + QStringLiteral("\U0001F600")
            << QString(kSpreadsheetCellLimit - 1, u'a') << QStringLiteral("cut");
        QTest::newRow("lone CR dropped") << "a\rb"
                                         << "ab" << QStringLiteral("cleaned");
    }
    void cellText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(QString, change);
        CellTextChanges changes;
        QCOMPARE(spreadsheetCellText(text, &changes), expected);
        QCOMPARE(changes.cut, change == "cut");
        QCOMPARE(changes.cleaned, change == "cleaned");
    }

    void textWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("latin") << "Müller" << 6;
        QTest::newRow("longest line") << "ab\nabcd\nabc" << 4;
        QTest::newRow("CJK counts two") << QStringLiteral("山田太郎") << 8;
        QTest::newRow("hangul and latin") << QStringLiteral("김 Kim") << 6;
        QTest::newRow("full-width letters") << QStringLiteral("ＡＢ") << 4;
        QTest::newRow("half-width katakana counts one") << QStringLiteral("ｱｲ") << 2;
        QTest::newRow("emoji beyond the BMP counts two") << QStringLiteral("\U0001F600a") << 3;
        QTest::newRow("CJK extension B") << QStringLiteral("\U00020000") << 2;
    }
    void textWidth()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QCOMPARE(spreadsheetTextWidth(text), qsizetype(width));
    }

    void export_writesTextCellsHeaderAndEmptyRowsForUnsetRows()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.xlsx");
        TableModelDouble list({"Source Filename", "Extraction Results"});
        list.addRow({"f=1.vcf", "=a+b"});
        list.addRow({"hidden.vcf", "not written"}, false);
        list.addRow({"g.vcf", "00123"});
        list.addRow({"h.vcf", "  blanks kept  "});
        test::RecordingErrorReporter reporter;
        QVERIFY(exportListToWorkbook(list, path, reporter));
        QVERIFY(reporter.reports.isEmpty());
        READ_WORKBOOK(path);
        QCOMPARE(sheets.size(), 1);
        const QList<QStringList> expected{{"Source Filename", "Extraction Results"},
                                          {"f=1.vcf", "=a+b"},
                                          {"", ""},
                                          {"g.vcf", "00123"},
                                          {"h.vcf", "  blanks kept  "}};
        QCOMPARE(sheets[0].rows, expected);
        QCOMPARE(sheets[0].frozen, QStringLiteral("A2")); // the header row stays in view
        QVERIFY(sheets[0].headerBold);
        QCOMPARE(sheets[0].author, QStringLiteral("Cardisto"));
        QCOMPARE(sheets[0].application, QStringLiteral("Cardisto"));
    }

    void export_fitsColumnsToTheLongestText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.xlsx");
        TableModelDouble list({"Source Filename", "R", "Name"});
        list.addRow({"short.vcf", QString(40, u'x'), QStringLiteral("山田太郎 Yamada")});
        list.addRow({"", QStringLiteral("two\r\nlines")}); // a line break: the longest line counts
        test::RecordingErrorReporter reporter;
        QVERIFY(exportListToWorkbook(list, path, reporter));
        READ_WORKBOOK(path);
        const double first = sheets[0].widths["A"].toDouble();
        const double second = sheets[0].widths["B"].toDouble();
        QVERIFY2(first >= 15 && first < 18, qPrintable(QString::number(first)));
        QVERIFY2(second >= 40 && second < 43, qPrintable(QString::number(second)));
        const double third = sheets[0].widths["C"].toDouble(); // each of the four wide characters takes two
        QVERIFY2(third >= 15 && third < 18, qPrintable(QString::number(third)));
    }

    void export_cleansCellsAsStored()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.xlsx");
        TableModelDouble list({"Results"});
        list.addRow({QStringLiteral("a\x01"
                                    "b")});
        list.addRow({QString(kSpreadsheetCellLimit + 5, u'z')});
        test::RecordingErrorReporter reporter;
        qsizetype changedCells = -1;
        QVERIFY(exportListToWorkbook(list, path, reporter, {}, &changedCells));
        QVERIFY(reporter.reports.isEmpty());
        QCOMPARE(changedCells, qsizetype(2));
        READ_WORKBOOK(path);
        QCOMPARE(sheets[0].rows[1], QStringList{"ab"});
        QCOMPARE(sheets[0].rows[2][0].size(), kSpreadsheetCellLimit);
    }

    void export_continuesOnAFurtherSheetWithTheHeaderRepeated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.xlsx");
        TableModelDouble list({"Results"});
        for (int i = 1; i <= 12; ++i)
            list.addRow({QString::number(i)}, i != 5);
        test::RecordingErrorReporter reporter;
        QVERIFY(exportListToWorkbook(list, path, reporter, {}, 5));
        READ_WORKBOOK(path);
        QCOMPARE(sheets.size(), 3);
        QCOMPARE(sheets[0].rows, (QList<QStringList>{{"Results"}, {"1"}, {"2"}, {"3"}, {"4"}}));
        QCOMPARE(sheets[1].rows, (QList<QStringList>{{"Results"}, {"6"}, {"7"}, {"8"}, {"9"}, {"10"}}));
        QCOMPARE(sheets[2].rows, (QList<QStringList>{{"Results"}, {"11"}, {"12"}}));
        for (const SheetContents& sheet : sheets)
            QVERIFY(sheet.widths.contains("A"));
        QCOMPARE(sheets[0].application, QStringLiteral("Cardisto"));
    }

    void emptyList_givesTheHeaderRowOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.xlsx");
        TableModelDouble list({"Results"});
        test::RecordingErrorReporter reporter;
        QVERIFY(exportListToWorkbook(list, path, reporter));
        READ_WORKBOOK(path);
        QCOMPARE(sheets[0].rows, QList<QStringList>{{"Results"}});
    }

    void existingFile_isReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.xlsx");
        test::writeFile(path, "not a workbook");
        TableModelDouble list({"Results"});
        list.addRows({{"a"}});
        test::RecordingErrorReporter reporter;
        QVERIFY(exportListToWorkbook(list, path, reporter));
        QVERIFY(test::readFile(path).startsWith("PK"));
        QCOMPARE(test::folderEntries(dir.path()), QStringList{"results.xlsx"});
    }

    void savedFile_getsTheReplacedFilesPermissionsOrThoseOfANewDocument()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps no permission bits: Qt shows only the read-only attribute as such");
#endif
        QTemporaryDir dir;
        const QString kept = dir.filePath("kept.xlsx");
        test::writeFile(kept, "old");
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(kept, ownerOnly));
        TableModelDouble list({"Results"});
        test::RecordingErrorReporter reporter;
        QVERIFY(exportListToWorkbook(list, kept, reporter));
        QCOMPARE(QFile::permissions(kept) & QFileDevice::Permissions(0x7077), ownerOnly); // owner, group, others
        // Not the private permissions of the temporary file it was built in.
        QVERIFY(exportListToWorkbook(list, dir.filePath("new.xlsx"), reporter));
        QVERIFY(QFile::permissions(dir.filePath("new.xlsx")).testFlag(QFileDevice::ReadOther));
        // A new document honours the umask.
        const mode_t before = ::umask(077);
        const bool written = exportListToWorkbook(list, dir.filePath("private.xlsx"), reporter);
        ::umask(before);
        QVERIFY(written);
        QCOMPARE(QFile::permissions(dir.filePath("private.xlsx")) & QFileDevice::Permissions(0x7077),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void unwritableTarget_isReportedOnceBeforeAnyCell_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder part is a file") << "plain-file/results.xlsx";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("folder missing") << "missing/results.xlsx";
    }
    void unwritableTarget_isReportedOnceBeforeAnyCell()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        test::makeUnwritableTargets(dir.path());
        TableModelDouble list({"Results"});
        list.addRows({{"a"}});
        test::RecordingErrorReporter reporter;
        QVERIFY(!exportListToWorkbook(list, dir.filePath(target), reporter));
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports[0].location, QStringLiteral("in Velmora2021/08/31.Form1.PushButton12_Click "));
        QCOMPARE(reporter.reports[0].line, int(kSpreadsheetNew));
        QCOMPARE(test::readFile(dir.filePath("plain-file")), QByteArray("kept"));
        QCOMPARE(test::folderEntries(dir.path()), QStringList({"folder", "plain-file"}));
    }

    void failureAfterTheStart_leavesTheExistingFileUntouched()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.xlsx");
        test::writeFile(path, "yesterday's workbook");
        // One column more than a sheet has.
        QStringList headers;
        for (int i = 0; i <= 16384; ++i)
            headers.append(QStringLiteral("C%1").arg(i));
        TableModelDouble list(headers);
        test::RecordingErrorReporter reporter;
        QVERIFY(!exportListToWorkbook(list, path, reporter));
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports[0].line, int(kSpreadsheetHeader));
        QVERIFY(!reporter.reports[0].description.isEmpty());
        QCOMPARE(test::readFile(path), QByteArray("yesterday's workbook"));
        QCOMPARE(test::folderEntries(dir.path()), QStringList{"results.xlsx"});
    }

    void refusedRename_leavesNoBuildingFileBehind()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.xlsx");
        XlsxWorkbook workbook;
        workbook.newWorkbook(path);
        workbook.writeCell(1, 1, "Results");
        QVERIFY(QDir(dir.path()).mkdir("results.xlsx")); // a file cannot replace a folder
        QVERIFY_THROWS_EXCEPTION(ProcedureFailure, workbook.save());
        QCOMPARE(test::folderEntries(dir.path()), QStringList{"results.xlsx"});
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "TestSpreadsheetExport.moc"
