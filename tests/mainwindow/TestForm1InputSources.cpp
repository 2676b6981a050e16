// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's buttons and drop that fill the input file list from a folder tree, from path
// list files and from the sample files, driven through the real window.

#include "../inputs/FolderTree.h"
#include "Form1Fixture.h"
#include "inputs/SampleFiles.h"
#include "shell/FileNameBytes.h"
#include "support/ResultRows.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <fcntl.h>
#include <unistd.h>

using namespace cardisto;
using namespace cardisto::test;

namespace {

struct Window : Form1Fixture {
    InputFileList& list() { return form().inputFiles(); }
    void click(const char* button) { control<QPushButton>(button)->click(); }

    void drop(const QStringList& paths)
    {
        auto* view = control<QTableView>("ListView1");
        QMimeData files;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        files.setUrls(urls);
        const QPoint at = view->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &drop);
    }

    QTemporaryDir treeDir;
    QString tree() const { return treeDir.path(); }
};

} // namespace

class TestForm1InputSources : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addAllVcfFilesInFolder_walksTheTreeWithTheHourglass()
    {
        Window w;
        w.start();
        // As the folder browser gives it, with the system's separators.
        const QString tree = QDir::toNativeSeparators(w.tree());
        const QString sub = QDir::toNativeSeparators(tree + "/s");
        QVERIFY(makeFolderTree(tree, {"b.vcf", "A.VCF", "note.txt", "~lock.vcf", "s/c.vcf"}));
        if (test::kUnixFileTypes)
            QVERIFY(makeFolderTree(tree, {"s/up -> .."}));
        w.store().save(SettingKey::LastFolder, QStringLiteral("/earlier"));
        bool busyDuringWalk = false;
        w.platform.chooseFolder(tree);
        QObject::connect(&w.list(), &QAbstractItemModel::rowsInserted, &w.form(),
                         [&] { busyDuringWalk = w.form().isBusy(); });
        w.click("PushButton5");
        QCOMPARE(w.list().texts(), pathsBelow(tree, {"A.VCF", "b.vcf", "s/c.vcf"}));
        QVERIFY(busyDuringWalk);
        QVERIFY(!w.form().isBusy());
        QCOMPARE(w.platform.dialogs.last().title, QStringLiteral("Please select folder:"));
        QCOMPARE(w.platform.dialogs.last().startFolder, QStringLiteral("/earlier"));
        QCOMPARE(w.store().read(SettingKey::LastFolder), tree);
        QVERIFY(w.platform.boxes.isEmpty());

        w.click("PushButton5"); // cancelled: nothing changes
        QCOMPARE(w.list().count(), 3);
        QCOMPARE(w.store().read(SettingKey::LastFolder), tree);

        // A folder without vCard files adds nothing, says nothing, and still becomes the last folder.
        w.platform.chooseFolder(sub);
        QVERIFY(QFile::remove(tree + "/s/c.vcf"));
        w.click("PushButton5");
        QCOMPARE(w.list().count(), 3);
        QCOMPARE(w.store().read(SettingKey::LastFolder), sub);
        QVERIFY(w.platform.boxes.isEmpty());
    }

    // Names that are not valid text: one message per scan names them all.
    void scans_nameWhatTheyLeaveOutInOneMessage()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows names are UTF-16 text: every listed name can be written back");
#endif
        Window w;
        w.start();
        const QString tree = w.tree();
        QVERIFY(makeFolderTree(tree, {"ok.vcf", "sub/"}));
        for (const char* name : {"/caf\xE9.vcf", "/sub/\xFF.vcf", "/note\xE9.txt"}) {
            const QByteArray path = QFile::encodeName(tree) + name;
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0600);
            if (fd < 0)
                QSKIP("this file system refuses names that are not UTF-8");
            ::close(fd);
        }
        w.platform.chooseFolder(tree);
        w.click("PushButton5");
        w.drop({tree});
        for (const char* name : {"/caf\xE9.vcf", "/sub/\xFF.vcf", "/note\xE9.txt"})
            ::unlink(QByteArray(QFile::encodeName(tree) + name).constData());
        QCOMPARE(w.list().texts(), pathsBelow(tree, {"ok.vcf", "ok.vcf"}));
        const QString intro = QStringLiteral("These files and folders were left out, as their names are not valid text:");
        QCOMPARE(w.platform.messages(),
                 QStringList({(QStringList{intro} + pathsBelow(tree, {"caf\\xE9.vcf", "sub/\\xFF.vcf"})).join(u'\r'),
                              (QStringList{intro} + pathsBelow(tree, {"caf\\xE9.vcf", "note\\xE9.txt", "sub/\\xFF.vcf"}))
                                  .join(u'\r')}));
        QVERIFY(w.platform.errors().isEmpty());
    }

    void droppedFolder_addsFilesOfEveryTypeAtItsPlace()
    {
        Window w;
        w.start();
        const QString tree = w.tree();
        QVERIFY(makeFolderTree(tree, {"f/a.vcf", "f/b.txt", "f/sub/c.doc", "loose.txt"}));
        w.drop({tree + "/loose.txt", tree + "/f", "/elsewhere/z.vcf"});
        QCOMPARE(w.list().texts(), pathsBelow(tree, {"loose.txt", "f/a.vcf", "f/b.txt", "f/sub/c.doc"}) +
                                       QStringList{QDir::toNativeSeparators("/elsewhere/z.vcf")});
        QVERIFY(!w.form().isBusy());
    }

    // cardisto FILE... FOLDER...: files as given, a folder's vCard files as "Add All VCF Files In
    // Folder" takes them, in the order given; a name that is no valid UTF-8 is read by its bytes,
    // as cardisto-cli reads it.
    void commandLine_addsFilesAsGivenAndFoldersByTheScansRules()
    {
        Window w;
        w.start();
        const QString tree = w.tree();
        QVERIFY(makeFolderTree(tree, {"f/a.vcf", "f/B.VCF", "f/photo.png", "f/~lock.vcf", "f/sub/c.vcf", "loose.txt"}));
        bool busyDuringWalk = false;
        QObject::connect(&w.list(), &QAbstractItemModel::rowsInserted, &w.form(),
                         [&] { busyDuringWalk = busyDuringWalk || w.form().isBusy(); });
        QStringList given = pathsBelow(tree, {"loose.txt", "f"});
#ifdef Q_OS_UNIX
        const QByteArray bytes = QFile::encodeName(tree) + "/caf\xE9.vcf";
        const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray card = "BEGIN:VCARD\r\nEMAIL;TYPE=INTERNET:ann@example.com\r\nEND:VCARD\r\n";
        QVERIFY(fd >= 0 && ::write(fd, card.constData(), size_t(card.size())) == card.size() && ::close(fd) == 0);
        given.append(fileNameFromBytes(bytes));
#endif
        w.form().addCommandLineInputs(given);
        QCOMPARE(w.list().texts().mid(0, 4), pathsBelow(tree, {"loose.txt", "f/a.vcf", "f/B.VCF", "f/sub/c.vcf"}));
        QVERIFY(busyDuringWalk && !w.form().isBusy());
#ifdef Q_OS_UNIX
        w.click("PushButton13");
        ::unlink(bytes.constData());
        QCOMPARE(fileNameBytes(w.list().textAt(4)), bytes);
        QCOMPARE(resultTexts(w.form().results()).last(), QStringLiteral("ann@example.com"));
#endif
        QVERIFY(w.platform.boxes.isEmpty());
    }

    void listFile_appendsItsLinesAfterTheHelpBox()
    {
        Window w;
        w.start();
        const QString lf = w.writeFile("lf.txt", "/a.vcf\n/b.vcf\n");
        const QString cr = w.writeFile("cr.txt", "/c.vcf\r\r/a.vcf");
        w.platform.chooseFiles({lf, cr});
        w.click("PushButton21");
        QCOMPARE(w.list().texts(), (QStringList{"/a.vcf", "/b.vcf", "", "/c.vcf", "", "/a.vcf"}));
        QCOMPARE(w.platform.messages(), QStringList{"File should look like:\rC:\\test\\1.txt\rC:\\test\\2.txt\retc."});
        QCOMPARE(w.platform.dialogs.last().title, QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
        QCOMPARE(w.platform.dialogs.last().filter, QStringLiteral("All Files (*.*)|*.*|"));

        w.platform.chooseFiles({w.programFolder() + "/missing.txt"});
        w.click("PushButton21");
        QCOMPARE(w.platform.messages().last(), QStringLiteral("File not found"));
        QCOMPARE(w.list().count(), 6);
    }

    void samples_firstStartWithoutThemThenRecordedAndLoadedOnce()
    {
        Window w;
        w.start(); // no Samples folder yet
        QCOMPARE(w.store().read(SettingKey::Snapshot), QString());
        w.click("PushButton23");
        QCOMPARE(w.list().count(), 0);
        QCOMPARE(w.platform.questions(), QStringList{openSampleFolderQuestion()});

        const QString samples = w.programFolder() + "/Samples";
        QVERIFY(makeFolderTree(samples, {"Two.vcf", "one.vcf"}));
        w.restart();
        const QStringList rows = pathsBelow(samples, {"one.vcf", "Two.vcf"});
        w.platform.answerYes();
        w.click("PushButton23");
        QCOMPARE(w.list().texts(), rows);
        QCOMPARE(w.platform.openedFolders(), QStringList{QDir::toNativeSeparators(samples + u'/')});
        w.click("PushButton23"); // pressed again: nothing new, the question all the same
        QCOMPARE(w.list().texts(), rows);
        QCOMPARE(w.platform.questions().size(), 3);
        QCOMPARE(w.platform.openedFolders().size(), 1);
    }
};

QTEST_MAIN(TestForm1InputSources)
#include "TestForm1InputSources.moc"
