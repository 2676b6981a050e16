#include "FolderTree.h"
#include "inputs/InputCommands.h"
#include "inputs/InputFileList.h"
#include "shell/SettingsStore.h"
#include "support/FakePlatform.h"
#include "support/RecordingErrorReporter.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace cardisto;
using cardisto::test::FakePlatform;
using cardisto::test::makeFolderTree;
using cardisto::test::pathsBelow;
using cardisto::test::RecordingErrorReporter;

namespace {

// A main window's worth of collaborators around one input file list.
struct Commands {
    explicit Commands(const QString& folder)
        : settings(folder + QStringLiteral("/settings.ini")), context{list,
                                                                      platform,
                                                                      settings,
                                                                      reporter,
                                                                      ProgramFolder(folder),
                                                                      [this](bool busy) { busyChanges.append(busy); },
                                                                      [this] {
                                                                          ++yields;
                                                                      }}
    {}
    InputFileList list;
    FakePlatform platform;
    SettingsStore settings;
    RecordingErrorReporter reporter;
    QList<bool> busyChanges;
    int yields = 0;
    InputCommandContext context;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestInputCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addAll_cancelledBrowserChangesNothing()
    {
        QTemporaryDir dir;
        Commands commands(dir.path());
        commands.settings.save(SettingKey::LastFolder, QStringLiteral("/earlier"));
        addAllVcfFilesInFolder(commands.context);
        QCOMPARE(commands.platform.dialogs.size(), 1);
        QCOMPARE(commands.platform.dialogs[0].kind, FakePlatform::DialogKind::Folder);
        QCOMPARE(commands.platform.dialogs[0].title, QStringLiteral("Please select folder:"));
        QCOMPARE(commands.platform.dialogs[0].startFolder, QStringLiteral("/earlier"));
        QCOMPARE(commands.list.count(), 0);
        QCOMPARE(commands.settings.read(SettingKey::LastFolder), QStringLiteral("/earlier"));
        QVERIFY(commands.busyChanges.isEmpty());
        QVERIFY(commands.platform.boxes.isEmpty());
    }

    void addAll_appendsTheTreesVcfFilesWithTheHourglass()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"in/b.vcf", "in/A.VCF", "in/x.txt", "in/~lock.vcf", "in/s/c.vcf"}));
        Commands commands(dir.path());
        commands.list.append(QStringLiteral("already.vcf"));
        const auto tester = std::make_unique<QAbstractItemModelTester>(
            &commands.list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        commands.platform.chooseFolder(dir.path() + "/in");
        addAllVcfFilesInFolder(commands.context);
        QCOMPARE(commands.list.texts(),
                 QStringList{"already.vcf"} + pathsBelow(dir.path(), {"in/A.VCF", "in/b.vcf", "in/s/c.vcf"}));
        QCOMPARE(commands.settings.read(SettingKey::LastFolder), dir.path() + "/in");
        QCOMPARE(commands.busyChanges, (QList<bool>{true, false}));
        QVERIFY(commands.yields >= 2);
        QVERIFY(commands.reporter.reports.isEmpty());
        // The next browser starts at the folder chosen last.
        addAllVcfFilesInFolder(commands.context);
        QCOMPARE(commands.platform.dialogs.last().startFolder, dir.path() + "/in");
    }

    void addAll_folderWithoutVcfFilesStillBecomesTheLastFolder()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"empty/a.txt"}));
        Commands commands(dir.path());
        commands.platform.chooseFolder(dir.path() + "/empty");
        addAllVcfFilesInFolder(commands.context);
        QCOMPARE(commands.list.count(), 0);
        QCOMPARE(commands.settings.read(SettingKey::LastFolder), dir.path() + "/empty");
        QVERIFY(commands.platform.boxes.isEmpty());
    }

    void drop_filesAndFolderInDropOrderEveryTypeFromTheFolder()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"one.txt", "two.vcf", "f/a.vcf", "f/b.txt", "f/sub/c.doc"}));
        Commands commands(dir.path());
        commands.list.setFolderDropHandler(
            [&commands](const QString& folder) { dropFolderOnList(commands.context, folder); });
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dir.path() + "/one.txt"), QUrl::fromLocalFile(dir.path() + "/f"),
                      QUrl::fromLocalFile(dir.path() + "/two.vcf")});
        QVERIFY(commands.list.dropMimeData(&data, Qt::CopyAction, -1, -1, QModelIndex()));
        QCOMPARE(commands.list.texts(),
                 pathsBelow(dir.path(), {"one.txt", "f/a.vcf", "f/b.txt", "f/sub/c.doc", "two.vcf"}));
        QVERIFY(commands.busyChanges.isEmpty()); // a drop never shows the hourglass
        // The button on the same folder takes only the vCard file.
        commands.list.clear();
        commands.platform.chooseFolder(dir.path() + "/f");
        addAllVcfFilesInFolder(commands.context);
        QCOMPARE(commands.list.texts(), pathsBelow(dir.path(), {"f/a.vcf"}));
    }

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

    void listFile_helpBoxAndDialog()
    {
        QTemporaryDir dir;
        Commands commands(dir.path());
        loadListOfFilesFromTextFile(commands.context); // cancelled
        QCOMPARE(commands.platform.messages(),
                 QStringList{"File should look like:\rC:\\test\\1.txt\rC:\\test\\2.txt\retc."});
        QCOMPARE(commands.platform.lastBox().caption, QStringLiteral("Cardisto"));
        QCOMPARE(commands.platform.dialogs.size(), 1);
        QCOMPARE(commands.platform.dialogs[0].kind, FakePlatform::DialogKind::OpenFiles);
        QCOMPARE(commands.platform.dialogs[0].title,
                 QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
        QCOMPARE(commands.platform.dialogs[0].filter, QStringLiteral("All Files (*.*)|*.*|"));
        QCOMPARE(commands.list.count(), 0);
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

QTEST_GUILESS_MAIN(TestInputCommands)
#include "TestInputCommands.moc"
