// SPDX-License-Identifier: GPL-3.0-or-later
#include "FailingDevice.h"
#include "RecordingProgress.h"
#include "TableModelDouble.h"
#include "UnwritableTargets.h"
#include "output/AlignedTextFile.h"
#include "support/RecordingErrorReporter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace cardisto;
using test::TableModelDouble;

namespace {

using Rows = QList<QStringList>;

// A list whose cell reads start failing after a number of reads, as a list changed under the writer would.
class FailingReadsModel final : public QAbstractTableModel {
public:
    FailingReadsModel(int rows, int readsBeforeFailure) : m_rows(rows), m_readsLeft(readsBeforeFailure) {}
    int rowCount(const QModelIndex& = {}) const override { return m_rows; }
    int columnCount(const QModelIndex& = {}) const override { return 1; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (m_readsLeft-- <= 0)
            throw std::runtime_error("The list changed while it was written");
        return QString::number(index.row());
    }
    QVariant headerData(int, Qt::Orientation, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("Results")) : QVariant();
    }

private:
    int m_rows;
    mutable int m_readsLeft;
};

} // namespace

class TestAlignedTextFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QList<bool>>("set");
        QTest::addColumn<QString>("expected");

        QTest::newRow("one column, header widest")
            << QStringList{"Results"} << Rows{{"a"}, {"abc"}, {"ab"}} << QList<bool>{true, true, true}
            << "Results\t\r\na      \t\r\nabc    \t\r\nab     \t\r\n";
        QTest::newRow("two columns") << QStringList{"Source Filename", "Extraction Results"}
                                     << Rows{{"f.vcf", "x"}, {"a-rather-long-name.vcf", "y@example.com"}}
                                     << QList<bool>{true, true}
                                     << "Source Filename       \tExtraction Results\t\r\n"
                                        "f.vcf                 \tx                 \t\r\n"
                                        "a-rather-long-name.vcf\ty@example.com     \t\r\n";
        QTest::newRow("columns but no rows") << QStringList{"Results"} << Rows{} << QList<bool>{} << "Results\t\r\n";
        QTest::newRow("unset row widens its column but leaves no line")
            << QStringList{"Results"} << Rows{{"a"}, {"abcdefghij"}} << QList<bool>{true, false}
            << "Results   \t\r\na         \t\r\n";
        QTest::newRow("missing sub-item reads as empty")
            << QStringList{"Source Filename", "Extraction Results"} << Rows{{"f.vcf"}} << QList<bool>{true}
            << "Source Filename\tExtraction Results\t\r\nf.vcf          \t                  \t\r\n";
        QTest::newRow("accented letters count as one character each")
            << QStringList{"R"} << Rows{{QStringLiteral("\u00e9t\u00e9")}, {"ab"}} << QList<bool>{true, true}
            << QStringLiteral("R  \t\r\n\u00e9t\u00e9\t\r\nab \t\r\n");
        QTest::newRow("emoji counts as one character")
            << QStringList{"R"} << Rows{{QStringLiteral("\U0001F600")}, {"ab"}} << QList<bool>{true, true}
            << QStringLiteral("R \t\r\n\U0001F600 \t\r\nab\t\r\n");
        QTest::newRow("empty header and cells give width 0")
            << QStringList{""} << Rows{{""}} << QList<bool>{true} << "\t\r\n\t\r\n";
        QTest::newRow("blanks and tabs in texts are kept")
            << QStringList{"R"} << Rows{{" a\tb "}} << QList<bool>{true} << "R    \t\r\n a\tb \t\r\n";
    }
    void layout()
    {
        QFETCH(QStringList, headers);
        QFETCH(Rows, rows);
        QFETCH(QList<bool>, set);
        QFETCH(QString, expected);
        TableModelDouble list(headers);
        list.addRows(rows, set);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        test::RecordingErrorReporter reporter;
        QVERIFY(SaveListviewProperlySpaced(list, buffer, "out.txt", reporter));
        QVERIFY(reporter.reports.isEmpty());
        // UTF-8 without byte-order mark, byte for byte.
        QCOMPARE(buffer.data(), expected.toUtf8());
    }

    void listWithoutCheckBoxes_writesEveryRow()
    {
        TableModelDouble list({"Results"}, false);
        list.addRows({{"a"}, {"b"}});
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        test::RecordingErrorReporter reporter;
        QVERIFY(SaveListviewProperlySpaced(list, buffer, "out.txt", reporter));
        QCOMPARE(buffer.data(), QByteArray("Results\t\r\na      \t\r\nb      \t\r\n"));
    }

    void deviceRefusingTheHeader_isReportedOnceAtTheHeaderStatement()
    {
        TableModelDouble list({"Results"});
        list.addRows({{"a"}, {"b"}});
        test::FailingDevice device(0);
        device.open(QIODevice::WriteOnly);
        test::RecordingErrorReporter reporter;
        test::RecordingProgress progress;
        QVERIFY(!SaveListviewProperlySpaced(list, device, "out.txt", reporter, &progress));
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports[0].location, QStringLiteral("in Velmora2021/08/31.Main.SaveListviewProperlySpaced "));
        QCOMPARE(reporter.reports[0].line, int(kAlignedTextHeader));
        QVERIFY(reporter.reports[0].description.contains("No space left on device"));
        QCOMPARE(device.refusedWrites, 1);
        // No "Done." after a failure, and the bar comes to rest.
        QVERIFY(!progress.steps.contains("caption Done."));
        QCOMPARE(progress.steps.mid(progress.steps.size() - 2), QStringList({"value 0", "caption Progress Bar"}));
    }

    void deviceFillingUpAmongTheRows_stopsAtTheFirstRefusal()
    {
        TableModelDouble list({"Results"});
        for (int i = 0; i < 20000; ++i)
            list.addRow({QStringLiteral("result number %1").arg(i)});
        test::FailingDevice device(100000);
        device.open(QIODevice::WriteOnly);
        test::RecordingErrorReporter reporter;
        QVERIFY(!SaveListviewProperlySpaced(list, device, "out.txt", reporter));
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports[0].line, int(kAlignedTextRows));
        QCOMPARE(device.refusedWrites, 1);
        QVERIFY(device.written.startsWith("Results"));
    }

    void deviceNotOpen_isReportedAtTheCreateStatement()
    {
        TableModelDouble list({"Results"});
        QBuffer buffer;
        test::RecordingErrorReporter reporter;
        QVERIFY(!SaveListviewProperlySpaced(list, buffer, "out.txt", reporter));
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports[0].line, int(kAlignedTextCreate));
    }

    void file_isWrittenAndAnExistingOneReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.txt");
        test::writeFile(path, "an older and much longer file that must disappear completely\r\n");
        TableModelDouble list({"Results"});
        list.addRows({{"a"}});
        test::RecordingErrorReporter reporter;
        QVERIFY(SaveListviewProperlySpaced(list, path, reporter));
        QCOMPARE(test::readFile(path), QByteArray("Results\t\r\na      \t\r\n"));
        QCOMPARE(test::folderEntries(dir.path()), QStringList{"results.txt"});
    }

    // What a replaced file had stays; "read-only folder" is a file the user may write in a folder
    // they may not (as root, that user is "nobody" for the save).
    void replacedFile_keepsItsPlaceOwnerAndPermissions_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("permissions") << "permissions";
        QTest::newRow("hard link") << "hard link";
        QTest::newRow("other owner") << "other owner";
        QTest::newRow("read-only folder") << "read-only folder";
    }
    void replacedFile_keepsItsPlaceOwnerAndPermissions()
    {
        QFETCH(QString, situation);
#ifndef Q_OS_UNIX
        QSKIP("owners, permission bits and inode numbers as Unix systems keep them");
#else
        QTemporaryDir dir;
        const QString folder = dir.filePath("folder");
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + "/results.txt";
        test::writeFile(path, "old\r\n");
        const QByteArray name = QFile::encodeName(path);
        const bool root = ::geteuid() == 0;
        constexpr uid_t kNobody = 65534;
        QVERIFY(::chmod(name.constData(), 0640) == 0);
        if (situation == "hard link")
            QVERIFY(::link(name.constData(), QFile::encodeName(dir.filePath("other-name.txt")).constData()) == 0);
        if (situation == "other owner") {
            if (!root)
                QSKIP("giving a file to another user takes root");
            QVERIFY(::chown(name.constData(), 4242, 4343) == 0);
        }
        if (situation == "read-only folder") {
            QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
            if (root)
                QVERIFY(::chown(name.constData(), kNobody, kNobody) == 0);
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        }
        struct stat before {};
        QVERIFY(::stat(name.constData(), &before) == 0);

        TableModelDouble list({"Results"});
        list.addRows({{"a"}});
        test::RecordingErrorReporter reporter;
        const bool asNobody = root && situation == "read-only folder";
        if (asNobody)
            QVERIFY(::seteuid(kNobody) == 0);
        const bool written = SaveListviewProperlySpaced(list, path, reporter);
        if (asNobody)
            QVERIFY(::seteuid(0) == 0);
        ::chmod(QFile::encodeName(folder).constData(), 0755);

        QVERIFY2(written, reporter.reports.isEmpty() ? "" : qPrintable(reporter.reports[0].description));
        QCOMPARE(test::readFile(path), QByteArray("Results\t\r\na      \t\r\n"));
        struct stat after {};
        QVERIFY(::stat(name.constData(), &after) == 0);
        QCOMPARE(after.st_mode & 07777, before.st_mode & 07777);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        if (situation == "hard link") {
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(test::readFile(dir.filePath("other-name.txt")), test::readFile(path));
        }
        QCOMPARE(test::folderEntries(folder), QStringList{"results.txt"});
#endif
    }

    void newFile_honoursTheUmask()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows has no umask");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath("results.txt");
        TableModelDouble list({"Results"});
        test::RecordingErrorReporter reporter;
        const mode_t before = ::umask(077);
        const bool written = SaveListviewProperlySpaced(list, path, reporter);
        ::umask(before);
        QVERIFY(written);
        QCOMPARE(QFile::permissions(path) & QFileDevice::Permissions(0x7077),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif
    }

    void unwritableTarget_isReportedOnce_data()
    {
        QTest::addColumn<QString>("target");
        // Both fail even for root, where folder permissions would not stop the write.
        QTest::newRow("folder part is a file") << "plain-file/results.txt";
        QTest::newRow("target is a folder") << "folder";
    }
    void unwritableTarget_isReportedOnce()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        test::makeUnwritableTargets(dir.path());
        TableModelDouble list({"Results"});
        list.addRows({{"a"}});
        test::RecordingErrorReporter reporter;
        test::RecordingProgress progress;
        QVERIFY(!SaveListviewProperlySpaced(list, dir.filePath(target), reporter, &progress));
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports[0].line, int(kAlignedTextCreate));
        QVERIFY(reporter.reports[0].description.contains(dir.filePath(target)));
        QVERIFY(!progress.steps.contains("caption Done."));
        QCOMPARE(test::readFile(dir.filePath("plain-file")), QByteArray("kept"));
        QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
        QCOMPARE(test::folderEntries(dir.path()), QStringList({"folder", "plain-file"}));
    }

    void failureWhileWriting_leavesTheExistingFileUntouched()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.txt");
        test::writeFile(path, "yesterday's results\r\n");
        // The width pass reads all 5000 cells; the writing pass then fails half way.
        FailingReadsModel list(5000, 7500);
        test::RecordingErrorReporter reporter;
        QVERIFY(!SaveListviewProperlySpaced(list, path, reporter));
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports[0].line, int(kAlignedTextRows));
        QCOMPARE(reporter.reports[0].description, QStringLiteral("The list changed while it was written"));
        QCOMPARE(test::readFile(path), QByteArray("yesterday's results\r\n"));
        QCOMPARE(test::folderEntries(dir.path()), QStringList{"results.txt"});
    }

    void progress_stepsThroughTheWrite()
    {
        QTemporaryDir dir;
        TableModelDouble list({"Results"});
        for (int i = 0; i < 2500; ++i)
            list.addRow({QString::number(i)});
        test::RecordingErrorReporter reporter;
        test::RecordingProgress progress;
        QVERIFY(SaveListviewProperlySpaced(list, dir.filePath("out.txt"), reporter, &progress));
        const QStringList& steps = progress.steps;
        const QString caption = QStringLiteral("caption Writing file: out.txt");
        QCOMPARE(steps.mid(0, 6), QStringList({"value 1", caption, "value 10", caption, "value 20", caption}));
        QCOMPARE(steps.filter(" (").size(), 2);
        QVERIFY(steps.contains(caption + " (1000)"));
        QVERIFY(steps.contains(caption + " (2000)"));
        // The last rows of a long list pass 100 by the formula; the bar holds there.
        int highest = 0;
        for (const QString& step : steps) {
            if (step.startsWith("value "))
                highest = std::max(highest, step.mid(6).toInt());
        }
        QCOMPARE(highest, 100);
        QCOMPARE(steps.mid(steps.size() - 3), QStringList({"caption Done.", "value 0", "caption Progress Bar"}));
        // One chance for events per row and pass, never per cell.
        QCOMPARE(progress.eventRuns, 2 * 2500);
    }

    void percent_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("percent");
        QTest::newRow("first of three") << 1 << 3 << 33;
        QTest::newRow("last of three") << 3 << 3 << 100;
        QTest::newRow("middle of 2500 with the extra 1") << 1250 << 2500 << 50;
        QTest::newRow("last of 2500 held at 100") << 2500 << 2500 << 100;
    }
    void percent()
    {
        QFETCH(int, row);
        QFETCH(int, rows);
        QFETCH(int, percent);
        QCOMPARE(alignedTextPercent(row, rows), percent);
    }
};

QTEST_GUILESS_MAIN(TestAlignedTextFile)
#include "TestAlignedTextFile.moc"
