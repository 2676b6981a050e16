// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeOutputHost.h"
#include "FileSizeLimit.h"
#include "TableModelDouble.h"
#include "output/SaveResultsAsTextFile.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

using namespace cardisto;
using test::FakeOutputHost;
using test::TableModelDouble;

namespace {

const QByteArray kOldFile = "yesterday's results\r\n";

// A list of n rows of one column, "row 1" ... "row n".
void fillRows(TableModelDouble& list, int n)
{
    for (int i = 1; i <= n; ++i)
        list.addRow({QStringLiteral("row %1").arg(i)});
}

} // namespace

class TestSaveResultsAsTextFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cancelledDialog_doesNothing()
    {
        TableModelDouble list({"Results"});
        fillRows(list, 3);
        FakeOutputHost host(list);
        QVERIFY(!SaveResultsAsTextFile(host));
        QCOMPARE(host.platformDouble.dialogs.size(), 1);
        QCOMPARE(host.platformDouble.dialogs[0].kind, test::FakePlatform::DialogKind::Save);
        QCOMPARE(host.platformDouble.dialogs[0].title, QStringLiteral("Save"));
        QCOMPARE(host.platformDouble.dialogs[0].filter,
                 QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
        QVERIFY(host.trace.isEmpty());
    }

    // The whole visible course of a save: hourglass, the bar's steps, the bar at rest, then "Done.".
    void save_writesTheFileThenSaysDone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("out");
        TableModelDouble list({"Results"});
        list.addRows({{"a"}, {"abcdefghij"}, {"abc"}, {"ab"}}, {true, false, true, true});
        FakeOutputHost host(list);
        host.platformDouble.chooseSaveName(path);
        QVERIFY(SaveResultsAsTextFile(host));
        // The name is used as chosen, without an extension; the unset row widens its column only.
        QCOMPARE(test::readFile(path), QByteArray("Results   \t\r\na         \t\r\nabc       \t\r\nab        \t\r\n"));
        QCOMPARE(test::folderEntries(dir.path()), QStringList{"out"});
        const QString caption = QStringLiteral("caption Writing file: out");
        QCOMPARE(host.trace, QStringList({"busy", "value 1", caption, "value 10", caption, "value 20", caption,
                                          "value 25", "value 75", "value 100", "caption Done.", "value 0",
                                          "caption Progress Bar", "idle", "box Done."}));
        QVERIFY(host.platformDouble.questions().isEmpty());
    }

    // Every way a save can fail leaves the file that was there, shows exactly one error box and no
    // "Done.", and brings the pointer and the bar back to rest.
    void failedSave_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("line");
        QTest::newRow("read-only folder") << "read-only" << 104;
        QTest::newRow("disk full") << "disk full" << 108;
        QTest::newRow("list cleared during the save") << "cleared" << 108;
        QTest::newRow("new extraction during the save") << "refilled" << 108;
        QTest::newRow("name of a folder") << "folder" << 104;
    }
    void failedSave()
    {
        QFETCH(QString, how);
        QFETCH(int, line);
        QTemporaryDir dir;
        QString path = dir.filePath("results.txt");
        test::writeFile(path, kOldFile);
        TableModelDouble list({"Results"});
        fillRows(list, 5000);
        FakeOutputHost host(list);
        std::unique_ptr<test::FileSizeLimit> limit;
        if (how == "read-only") {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            if (access(qPrintable(dir.path()), W_OK) == 0) {
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("folder permissions do not bind this user (root), nor anyone on Windows");
            }
        } else if (how == "disk full") {
            if (!test::kFileSizeLimits)
                QSKIP("Windows cannot limit a file's size; a full disk is not made for a test");
            limit = std::make_unique<test::FileSizeLimit>(20000);
        } else if (how == "cleared") {
            host.whileEventsRun = [&list](int run) {
                if (run == 6000)
                    list.removeAllRows();
            };
        } else if (how == "refilled") {
            host.whileEventsRun = [&list](int run) {
                if (run == 6000) {
                    list.removeAllRows();
                    list.addRow({"a new result"});
                }
            };
        } else if (how == "folder") {
            path = dir.filePath("folder");
            QVERIFY(QDir(dir.path()).mkdir("folder"));
        }
        host.platformDouble.chooseSaveName(path);
        host.platformDouble.answerYes();
        const bool saved = SaveResultsAsTextFile(host);
        limit.reset();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(!saved);
        const QStringList errors = host.platformDouble.errors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(
            errors[0].contains(
                QStringLiteral("\r\nin Velmora2021/08/31.Main.SaveListviewProperlySpaced at line %1\r\r").arg(line)),
            qPrintable(errors[0]));
        QVERIFY(host.platformDouble.messages().isEmpty());
        QCOMPARE(test::readFile(dir.filePath("results.txt")), kOldFile);
        // Nothing half-written is left behind.
        const QStringList expectedEntries =
            how == "folder" ? QStringList{"folder", "results.txt"} : QStringList{"results.txt"};
        QCOMPARE(test::folderEntries(dir.path()), expectedEntries);
        QCOMPARE(host.trace.mid(host.trace.size() - 3), QStringList({"value 0", "caption Progress Bar", "idle"}));
    }
};

QTEST_GUILESS_MAIN(TestSaveResultsAsTextFile)
#include "TestSaveResultsAsTextFile.moc"
