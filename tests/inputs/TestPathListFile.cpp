// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/InputCommands.h"
#include "inputs/InputFileList.h"
#include "shell/SettingsStore.h"
#include "support/FakePlatform.h"
#include "support/RecordingErrorReporter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;
using cardisto::test::FakePlatform;
using cardisto::test::RecordingErrorReporter;
using cardisto::test::writeFile;

namespace {

// The list-file command around one input file list.
struct Commands {
    explicit Commands(const QString& folder)
        : settings(folder + QStringLiteral("/settings.ini")),
          context{list, platform, settings, reporter, ProgramFolder(folder), {}, {}}
    {}
    InputFileList list;
    FakePlatform platform;
    SettingsStore settings;
    RecordingErrorReporter reporter;
    InputCommandContext context;
};

} // namespace

class TestPathListFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listFile_lineEnds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("CR LF") << QByteArray("C:\\a.vcf\r\nC:\\b.vcf\r\n") << QStringList{"C:\\a.vcf", "C:\\b.vcf"};
        QTest::newRow("LF with a final LF gives an empty last row")
            << QByteArray("C:\\a.vcf\nC:\\b.vcf\n") << QStringList{"C:\\a.vcf", "C:\\b.vcf", ""};
        QTest::newRow("CR alone") << QByteArray("/a.vcf\r/b.vcf\r") << QStringList{"/a.vcf", "/b.vcf"};
        QTest::newRow("empty line kept") << QByteArray("/a.vcf\r\n\r\n/b.vcf") << QStringList{"/a.vcf", "", "/b.vcf"};
        QTest::newRow("mixed, LF inside a CR line") << QByteArray("/a\n/b\r/c\r\n") << QStringList{"/a", "/b", "/c"};
        QTest::newRow("nothing trimmed") << QByteArray(" /a.vcf \t\r\n") << QStringList{" /a.vcf \t"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void listFile_lineEnds()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, rows);
        QTemporaryDir dir;
        writeFile(dir.path() + "/list.txt", content);
        Commands commands(dir.path());
        commands.platform.chooseFiles({dir.path() + "/list.txt"});
        loadListOfFilesFromTextFile(commands.context);
        QCOMPARE(commands.list.texts(), rows);
        QVERIFY(commands.reporter.reports.isEmpty());
    }

    void listFile_severalFilesInOrderDuplicatesKeptMissingOneReported()
    {
        QTemporaryDir dir;
        writeFile(dir.path() + "/first.txt", "/x.vcf\r\n/y.vcf\r\n");
        writeFile(dir.path() + "/second.txt", "/x.vcf\r\n");
        QVERIFY(QDir(dir.path()).mkdir("folder.txt"));
        Commands commands(dir.path());
        commands.list.append(QStringLiteral("/y.vcf"));
        commands.platform.chooseParts({dir.path(), "first.txt", "gone.txt", "folder.txt", "second.txt"});
        loadListOfFilesFromTextFile(commands.context);
        QCOMPARE(commands.list.texts(), (QStringList{"/y.vcf", "/x.vcf", "/y.vcf", "/x.vcf"}));
        QCOMPARE(commands.platform.messages().mid(1), QStringList{"File not found"});
        // A chosen folder cannot be read: reported, and the next file is still read.
        QCOMPARE(commands.reporter.reports.size(), 1);
        QCOMPARE(commands.reporter.reports[0].location,
                 QStringLiteral("in Velmora2021/08/31.Form1.PushButton21_Click "));
        QCOMPARE(commands.reporter.reports[0].line, 104);
    }

    void listFile_tooManyFilesIsReportedAndNothingAdded()
    {
        QTemporaryDir dir;
        Commands commands(dir.path());
        commands.platform.chooseTooManyFiles();
        loadListOfFilesFromTextFile(commands.context);
        QCOMPARE(commands.list.count(), 0);
        QCOMPARE(commands.reporter.reports.size(), 1);
        QCOMPARE(commands.reporter.reports[0].location,
                 QStringLiteral("in Velmora2021/08/31.Form1.PushButton21_Click "));
        QCOMPARE(commands.reporter.reports[0].line, 102);
        QCOMPARE(commands.platform.messages().size(), 1); // only the help box
    }
};

QTEST_GUILESS_MAIN(TestPathListFile)
#include "TestPathListFile.moc"
