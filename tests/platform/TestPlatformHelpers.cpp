// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ErrorReport.h"
#include "shell/platform/ClipboardRetry.h"
#include "shell/platform/GuiErrorReporter.h"
#include "support/FakePlatform.h"

#include <QTest>

using namespace cardisto;
using test::FakePlatform;

class TestPlatformHelpers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boxesWithoutCaption_showTheApplicationTitle()
    {
        FakePlatform platform;
        platform.showMessage("No files added.");
        platform.askYesNo("Overwrite?");
        platform.inputBox("Remove entries containing: ");
        platform.showMessage("x", "Own caption");
        QCOMPARE(platform.boxes.size(), 4);
        QCOMPARE(platform.boxes[0].caption, QStringLiteral("Cardisto"));
        QCOMPARE(platform.boxes[1].caption, QStringLiteral("Cardisto"));
        QCOMPARE(platform.boxes[2].caption, QStringLiteral("Cardisto"));
        QCOMPARE(platform.boxes[3].caption, QStringLiteral("Own caption"));
    }

    void guiErrorReporter_showsTheErrorBoxText()
    {
        FakePlatform platform;
        GuiErrorReporter reporter(platform);
        Guard guard(reporter, ErrorLocation::velmora("Form1", "Form_Load"));
        guard(100, [] {});
        guard(102, [] { throw ProcedureFailure("Type mismatch"); });
        QCOMPARE(platform.boxes.size(), 1);
        QCOMPARE(platform.lastBox().kind, FakePlatform::BoxKind::Error);
        QCOMPARE(platform.lastBox().caption, QStringLiteral("Application Error"));
        QCOMPARE(platform.lastBox().text,
                 QStringLiteral("Type mismatch\r\nin Velmora2021/08/31.Form1.Form_Load at line 102\r\r"
                                "Please email screenshot of this message to support@corvane.example"));
    }

    void clipboardRetries_data()
    {
        QTest::addColumn<int>("failures");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<int>("attempts");
        QTest::newRow("free at once") << 0 << true << 1;
        QTest::newRow("busy once") << 1 << true << 2;
        QTest::newRow("free at the last attempt") << 999 << true << 1000;
        QTest::newRow("busy throughout") << 1000 << false << 1000;
        QTest::newRow("busy for longer") << 5000 << false << 1000;
    }
    void clipboardRetries()
    {
        QFETCH(int, failures);
        QFETCH(bool, succeeds);
        QFETCH(int, attempts);

        FakePlatform setting;
        setting.clipboardText = "old";
        setting.failClipboardAttempts(failures);
        QCOMPARE(SetClipboardTextRetrying(setting, "a\tb\r\n"), succeeds);
        QCOMPARE(setting.clipboardAttempts, attempts);
        QCOMPARE(setting.clipboardText, succeeds ? QStringLiteral("a\tb\r\n") : QStringLiteral("old"));

        FakePlatform clearing;
        clearing.clipboardText = "old";
        clearing.failClipboardAttempts(failures);
        QCOMPARE(ClearClipboardRetrying(clearing), succeeds);
        QCOMPARE(clearing.clipboardAttempts, attempts);
        QCOMPARE(clearing.clipboardText.isEmpty(), succeeds);
        QVERIFY(clearing.boxes.isEmpty()); // never a message
    }
};

QTEST_GUILESS_MAIN(TestPlatformHelpers)
#include "TestPlatformHelpers.moc"
