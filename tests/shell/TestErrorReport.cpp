// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ErrorReport.h"
#include "support/RecordingErrorReporter.h"

#include <QBuffer>
#include <QTest>

using namespace cardisto;

class TestErrorReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void errorBoxText_hasDescriptionLocationLineAndSupportRequest()
    {
        const QString text =
            errorBoxText(QStringLiteral("Path not found"), ErrorLocation::velmora("Main", "SaveListviewProperlySpaced"), 104);
        QCOMPARE(text, QStringLiteral("Path not found\r\nin Velmora2021/08/31.Main.SaveListviewProperlySpaced at line 104"
                                      "\r\rPlease email screenshot of this message to support@corvane.example"));
        QCOMPARE(errorBoxCaption(), QStringLiteral("Application Error"));
    }

    void folderWalkLocation_usesItsOwnPrefix()
    {
        QCOMPARE(ErrorLocation::quorvel("AddFolder", "GetSubDirectories2016").text(),
                 QStringLiteral("in Quorvel2021/08/31.AddFolder.GetSubDirectories2016 "));
    }

    void guard_reportsFailingStatementAndGoesOnWithTheNext()
    {
        test::RecordingErrorReporter reporter;
        Guard guard(reporter, ErrorLocation::velmora("Form1", "PushButton9_Click"));
        QStringList ran;
        QVERIFY(guard(100, [&] { ran << "100"; }));
        QVERIFY(!guard(102, [&] { throw ProcedureFailure(QStringLiteral("Type mismatch")); }));
        QVERIFY(guard(104, [&] { ran << "104"; }));
        QVERIFY(!guard(106, [&] { throw std::runtime_error("boom"); }));
        QCOMPARE(ran, QStringList({"100", "104"}));
        QCOMPARE(reporter.reports.size(), 2);
        QCOMPARE(reporter.reports[0].location, QStringLiteral("in Velmora2021/08/31.Form1.PushButton9_Click "));
        QCOMPARE(reporter.reports[0].line, 102);
        QCOMPARE(reporter.reports[0].description, QStringLiteral("Type mismatch"));
        QCOMPARE(reporter.reports[1].line, 106);
        QCOMPARE(reporter.reports[1].description, QStringLiteral("boom"));
    }

    void streamReporter_writesTheBoxTextAndCounts()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        StreamErrorReporter reporter(&buffer);
        reporter.reportApplicationError(ErrorLocation::velmora("Form1", "PushButton9_Click"), 100, "Disk full");
        QCOMPARE(reporter.reportCount(), 1);
        const QString written = QString::fromUtf8(buffer.data());
        QVERIFY(written.startsWith("Application Error: Disk full\n"));
        QVERIFY(written.contains("in Velmora2021/08/31.Form1.PushButton9_Click at line 100\n"));
        QVERIFY(!written.contains(u'\r'));
    }
};

QTEST_GUILESS_MAIN(TestErrorReport)
#include "TestErrorReport.moc"
