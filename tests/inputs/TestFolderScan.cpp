// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderTree.h"
#include "inputs/FileExistsOnDisk.h"
#include "inputs/FilePattern.h"
#include "inputs/FolderScan.h"
#include "inputs/GetFilesInFolder.h"
#include "inputs/HasUnsafeCharacters.h"
#include "inputs/PathLimit.h"
#include "support/PermissionsBind.h"
#include "support/RecordingErrorReporter.h"
#include "support/Wine.h"

#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace cardisto;
using cardisto::test::makeFolderTree;
using cardisto::test::pathsBelow;
using cardisto::test::RecordingErrorReporter;

namespace {

#ifdef Q_OS_UNIX
// Makes a chain of folders with long names, each holding one file, by working relative to the
// previous folder: absolute paths beyond the path limit cannot be used to make them.
bool makeChainBeyondPathLimit(const QString& root, int levels, const QByteArray& name)
{
    int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < levels && fd >= 0; ++level) {
        const int file = ::openat(fd, "f.vcf", O_WRONLY | O_CREAT, 0600);
        if (file < 0 || ::close(file) != 0 || ::mkdirat(fd, name.constData(), 0700) != 0) {
            ::close(fd);
            return false;
        }
        const int child = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = child;
    }
    return fd >= 0 && ::close(fd) == 0;
}

// Removes what makeChainBeyondPathLimit made, again relative to each folder.
void removeTreeAt(int parentFd, const char* name)
{
    const int fd = ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd >= 0) {
        if (DIR* dir = ::fdopendir(fd)) {
            QList<QByteArray> folders;
            while (const dirent* entry = ::readdir(dir)) {
                const QByteArray child(entry->d_name);
                if (child == "." || child == "..")
                    continue;
                if (::unlinkat(fd, child.constData(), 0) != 0)
                    folders.append(child);
            }
            for (const QByteArray& folder : folders)
                removeTreeAt(fd, folder.constData());
            ::closedir(dir);
        } else {
            ::close(fd);
        }
    }
    ::unlinkat(parentFd, name, AT_REMOVEDIR);
}

// Bytes in the file-system encoding on Unix systems.
qsizetype lengthForPathLimit(const QString& path)
{
    return QFile::encodeName(path).size();
}
#else
// Windows makes paths beyond its limit through Qt, which gives them the \\?\ prefix.
bool makeChainBeyondPathLimit(const QString& root, int levels, const QByteArray& name)
{
    QString folder = root;
    for (int level = 0; level < levels; ++level) {
        QFile file(folder + QStringLiteral("/f.vcf"));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.close();
        folder += u'/' + QString::fromLatin1(name);
        if (!QDir().mkdir(folder))
            return false;
    }
    return true;
}

// Characters on Windows.
qsizetype lengthForPathLimit(const QString& path)
{
    return path.size();
}
#endif

const char* const kHiddenWithoutArchive = "a hidden file without the archive attribute taken";

// The unsafe-name row of the scan, with the names each system can hold: Windows refuses "?" and
// control characters in names, which the walk's own test refuses as well.
QStringList unsafeNameTree()
{
    using cardisto::test::kUnixFileTypes;
    QStringList tree{"Café/x.vcf", "Łódź/x.vcf", "euro€/x.vcf", "del\x7f/x.vcf", "日本/x.vcf", "Łódź.vcf"};
    if (kUnixFileTypes)
        tree << "what?/x.vcf" << "tab\tname/x.vcf" << "Café/ok?/x.vcf";
    return tree;
}

} // namespace

using cardisto::test::kUnixFileTypes;
using cardisto::test::needsUnixFileTypes;
using cardisto::test::needsWindowsAttributes;

class TestFolderScan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scan_data()
    {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("breadth-first, each folder in Windows name order")
            << QStringList{"top.vcf",       "Z.vcf",    "a_.vcf",       "AB.vcf",   "b/b1.vcf",
                           "b/inner/i.vcf", "A/a1.vcf", "A/deep/d.vcf", "c/c1.vcf", "c/C0.vcf"}
            << vcfFilePattern() << QStringList{"AB.vcf",   "a_.vcf",   "top.vcf",  "Z.vcf",        "A/a1.vcf",
                                               "b/b1.vcf", "c/C0.vcf", "c/c1.vcf", "A/deep/d.vcf", "b/inner/i.vcf"};
        QTest::newRow("file names beginning with a tilde skipped, tilde folders walked")
            << QStringList{"~lock.vcf", "a~.vcf", "~dir/x.vcf", "~dir/~y.vcf"} << vcfFilePattern()
            << QStringList{"a~.vcf", "~dir/x.vcf"};
        QTest::newRow("button: .vcf in any letter case, hidden files included")
            << QStringList{"a.vcf",     "B.VCF",  "c.Vcf", "d.txt",       "e",
                           "f.vcf.bak", "g.vcfx", ".vcf",  ".hidden.vcf", "folder.vcf/x.txt"}
            << vcfFilePattern() << QStringList{".hidden.vcf", ".vcf", "a.vcf", "B.VCF", "c.Vcf"};
        QTest::newRow("drop: files of every type")
            << QStringList{"a.vcf", "B.VCF", "d.txt", "e", ".hidden", "sub/x.txt"} << allFilesPattern()
            << QStringList{".hidden", "a.vcf", "B.VCF", "d.txt", "e", "sub/x.txt"};
        QTest::newRow("folders with unsafe names skipped with their contents; file names not tested")
            << unsafeNameTree() << vcfFilePattern()
            << (systemNameCodePage() == NameCodePage::Unicode
                    ? QStringList{"Łódź.vcf", "Café/x.vcf", "euro€/x.vcf", "Łódź/x.vcf", "日本/x.vcf"}
                    : QStringList{"Łódź.vcf", "Café/x.vcf"});
        QTest::newRow("folder links not followed, file links taken, broken links skipped")
            << QStringList{"real/r.vcf",
                           "real/loop -> ..",
                           "real/self -> .",
                           "elsewhere -> real",
                           "file-link.vcf -> real/r.vcf",
                           "broken.vcf -> nowhere.vcf"}
            << vcfFilePattern() << QStringList{"file-link.vcf", "real/r.vcf"};
        // Windows attributes (see makeFolderTree): exactly directory, system and hidden (22) and
        // exactly archive and hidden (34) are refused, any other set is taken.
        QTest::newRow("folders exactly system and hidden skipped with their contents")
            << QStringList{"System Volume Information/ =SH", "System Volume Information/x.vcf",
                           "System Volume Information/inner/y.vcf", "hidden/ =H", "hidden/h.vcf", "sys/ =S",
                           "sys/s.vcf", "a.vcf"}
            << vcfFilePattern() << QStringList{"a.vcf", "hidden/h.vcf", "sys/s.vcf"};
        QTest::newRow("files exactly archive and hidden skipped, other hidden files taken")
            << QStringList{"ah.vcf =AH", "ahs.vcf =AHS", "a.vcf =A", "n.vcf =", "r.vcf =RAH"} << allFilesPattern()
            << QStringList{"a.vcf", "ahs.vcf", "n.vcf", "r.vcf"};
        QTest::newRow(kHiddenWithoutArchive) << QStringList{"h.vcf =H", "ah.vcf =AH"} << allFilesPattern()
                                             << QStringList{"h.vcf"};
        QTest::newRow("named pipes are not files")
            << QStringList{"pipe.vcf|", "a.vcf"} << allFilesPattern() << QStringList{"a.vcf"};
        QTest::newRow("no vCard files anywhere")
            << QStringList{"a.txt", "sub/", "sub/b.txt"} << vcfFilePattern() << QStringList{};
    }

    void scan()
    {
        QFETCH(QStringList, tree);
        QFETCH(QString, pattern);
        QFETCH(QStringList, rows);
        if (!kUnixFileTypes && needsUnixFileTypes(tree))
            QSKIP("symbolic links and named pipes are Unix file types; Windows has reparse points and devices");
        if (kUnixFileTypes && needsWindowsAttributes(tree))
            QSKIP("hidden and system attributes are Windows'; other systems have none to refuse");
        if (test::runningUnderWine() && QLatin1String(QTest::currentDataTag()) == QLatin1String(kHiddenWithoutArchive))
            QSKIP("Wine gives every file the archive attribute; the row before shows other hidden sets taken");
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), tree));
        RecordingErrorReporter reporter;
        const FolderScanResult result = scanFolderTree(dir.path(), pattern, reporter);
        QCOMPARE(result.paths, pathsBelow(dir.path(), rows));
        QVERIFY(reporter.reports.isEmpty());
    }

    void scan_namesThatCannotBeWrittenBackAreLeftOut()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows names are UTF-16 text: every listed name can be written back");
#else
        QTemporaryDir dir;
        // Not UTF-8: the name would come back with a replacement character and open nothing.
        const QByteArray bad = QFile::encodeName(dir.path()) + "/bad\xff.vcf";
        const int fd = ::open(bad.constData(), O_WRONLY | O_CREAT, 0600);
        if (fd < 0)
            QSKIP("this file system refuses names that are not UTF-8");
        ::close(fd);
        QVERIFY(makeFolderTree(dir.path(), {"good.vcf"}));
        const QByteArray badFolder = QFile::encodeName(dir.path()) + "/d\xE9j\xE0";
        const QByteArray badText = QFile::encodeName(dir.path()) + "/caf\xE9.txt";
        QVERIFY(::mkdir(badFolder.constData(), 0700) == 0);
        const QByteArray badFolderFile = badFolder + QByteArray("/in.vcf");
        QVERIFY(::close(::open(badFolderFile.constData(), O_WRONLY | O_CREAT, 0600)) == 0);
        QVERIFY(::close(::open(badText.constData(), O_WRONLY | O_CREAT, 0600)) == 0);
        RecordingErrorReporter reporter;
        const FolderScanResult all = scanFolderTree(dir.path(), allFilesPattern(), reporter);
        const FolderScanResult vcf = scanFolderTree(dir.path(), vcfFilePattern(), reporter);
        for (const QByteArray& name : {bad, badText, badFolderFile, badFolder}) // by the bytes
            ::remove(name.constData());
        QCOMPARE(all.paths, pathsBelow(dir.path(), {"good.vcf"}));
        QCOMPARE(vcf.paths, all.paths);
        // Named once per scan, bytes escaped; the pattern holds for files, not for folders.
        QCOMPARE(all.unrepresentable, pathsBelow(dir.path(), {"bad\\xFF.vcf", "caf\\xE9.txt", "d\\xE9j\\xE0"}));
        QCOMPARE(vcf.unrepresentable, pathsBelow(dir.path(), {"bad\\xFF.vcf", "d\\xE9j\\xE0"}));
        QVERIFY(reporter.reports.isEmpty());
#endif
    }

    void scan_folderThatVanishesBeforeItIsListedIsDroppedSilently()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"a/1.vcf", "b/2.vcf", "b/deeper/3.vcf", "c/4.vcf"}));
        RecordingErrorReporter reporter;
        // The walk lets events run between finding b and listing it; meanwhile b goes away.
        int yields = 0;
        const auto removeB = [&] {
            if (++yields == 3)
                QDir(dir.path() + "/b").removeRecursively();
        };
        const FolderScanResult result = scanFolderTree(dir.path(), vcfFilePattern(), reporter, removeB);
        QCOMPARE(result.paths, pathsBelow(dir.path(), {"a/1.vcf", "c/4.vcf"}));
        QCOMPARE(result.folderCount, 3);
        QVERIFY(reporter.reports.isEmpty());
    }

    void scan_folderThatCannotBeListedIsDroppedAndOneThatCannotBeEnteredNamed()
    {
        if (!kUnixFileTypes)
            QSKIP("folder permission bits are Unix's; Windows keeps access lists, which Qt does not set");
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"a.vcf", "locked/l.vcf", "locked/sub/s.vcf", "blind/b.vcf", "z/z.vcf"}));
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QVERIFY(QFile::setPermissions(dir.path() + "/locked", {}));
        // Readable but not searchable: its names can be read, its files not opened.
        QVERIFY(QFile::setPermissions(dir.path() + "/blind", QFile::ReadOwner));
        test::PermissionsBind bind(dir.path());
        if (!bind.binds())
            QSKIP(qPrintable(bind.whyNot()));
        RecordingErrorReporter reporter;
        const FolderScanResult result = scanFolderTree(dir.path(), vcfFilePattern(), reporter);
        bind.restore();
        QFile::setPermissions(dir.path() + "/locked", all);
        QFile::setPermissions(dir.path() + "/blind", all);
        QCOMPARE(result.paths, pathsBelow(dir.path(), {"a.vcf", "z/z.vcf"}));
        QVERIFY(reporter.reports.isEmpty());
        // No error box; the window names the folder it could not enter, the batch front end hears of both.
        QCOMPARE(result.unopenedFolders, pathsBelow(dir.path(), {"blind"}));
        QCOMPARE(reporter.unlistableFolders, (QStringList{dir.path() + "/blind/", dir.path() + "/locked/"}));
    }

    void scan_veryDeepTreeIsWalkedLevelByLevel()
    {
        QTemporaryDir dir;
        QStringList tree;
        QStringList rows;
        QString folder;
        int folders = 0;
        for (int level = 0; level < 200; ++level) {
            tree.append(folder + QStringLiteral("f%1.vcf").arg(level));
            // On Windows the levels beyond 260 characters are left out (see scan_stopsAtThePathLimit).
            const QStringList paths = pathsBelow(dir.path(), {folder, tree.last()});
            if (lengthForPathLimit(paths[0]) < kPathLimit)
                ++folders;
            if (lengthForPathLimit(paths[1]) < kPathLimit)
                rows.append(tree.last());
            folder += QStringLiteral("d/");
        }
        QVERIFY(makeFolderTree(dir.path(), tree));
        RecordingErrorReporter reporter;
        const FolderScanResult result = scanFolderTree(dir.path(), vcfFilePattern(), reporter);
        QCOMPARE(result.paths, pathsBelow(dir.path(), rows));
        QCOMPARE(result.folderCount, folders);
    }

    void scan_stopsAtThePathLimit()
    {
        QTemporaryDir dir;
        // About 6000 bytes deep on Unix systems (limit 4096 bytes), 1200 characters on Windows (260).
        const QByteArray name(kPathLimit > 1000 ? 200 : 40, 'n');
        QVERIFY(makeChainBeyondPathLimit(dir.path(), 30, name));
        RecordingErrorReporter reporter;
        const FolderScanResult result = scanFolderTree(dir.path(), vcfFilePattern(), reporter);
        QVERIFY(reporter.reports.isEmpty());
        const qsizetype root = lengthForPathLimit(QDir::toNativeSeparators(dir.path()));
        // Every f.vcf whose path, root + separator + levels of name and separator + "f.vcf", fits.
        const qsizetype expected = (kPathLimit - 1 - root - 1 - 5) / (name.size() + 1) + 1;
        QVERIFY(expected > 1);
        QCOMPARE(result.paths.size(), expected);
        for (const QString& path : result.paths) {
            QVERIFY(lengthForPathLimit(path) < kPathLimit);
            QVERIFY(FileExistsOnDisk(path));
        }
#ifdef Q_OS_UNIX
        removeTreeAt(AT_FDCWD, QFile::encodeName(dir.path() + u'/' + QString::fromLatin1(name)).constData());
#endif
    }

    void scan_startFolderForms()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"a.vcf", "s/b.vcf"}));
        RecordingErrorReporter reporter;
        const QStringList rows = pathsBelow(dir.path(), {"a.vcf", "s/b.vcf"});
        QCOMPARE(scanFolderTree(dir.path() + "/", vcfFilePattern(), reporter).paths, rows);
        QCOMPARE(scanFolderTree(dir.path() + "//", vcfFilePattern(), reporter).paths, rows);
        QCOMPARE(scanFolderTree(QDir::toNativeSeparators(dir.path() + "//"), vcfFilePattern(), reporter).paths, rows);
        if (kUnixFileTypes) {
            // A chosen link is walked; only links met below it are not.
            QVERIFY(makeFolderTree(dir.path(), {"link -> s"}));
            QCOMPARE(scanFolderTree(dir.path() + "/link", vcfFilePattern(), reporter).paths,
                     pathsBelow(dir.path(), {"link/b.vcf"}));
        }
        QVERIFY(scanFolderTree(dir.path() + "/nowhere", vcfFilePattern(), reporter).paths.isEmpty());
        QVERIFY(scanFolderTree(dir.path() + "/a.vcf", allFilesPattern(), reporter).paths.isEmpty());
        QVERIFY(scanFolderTree(QString(), allFilesPattern(), reporter).paths.isEmpty());
        QVERIFY(reporter.reports.isEmpty());
    }

    // A drive root, as C:\ from the browser: one backslash after the drive, and walked even when its
    // attributes are exactly system and hidden. The same folder chosen by its path gives its own
    // files only: its sub-folders are not walked.
    void scan_driveRootGivesOneBackslashAndIsWalkedWhateverItsAttributes()
    {
#ifndef Q_OS_WIN
        QSKIP("drive letters are Windows'");
#else
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"a.vcf", "sub/b.vcf"}));
        const QString folder = QDir::toNativeSeparators(dir.path());
        const auto native = [](const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); };
        QString root;     // with its one backslash
        QStringList rows; // what the scan of the root must give
        QString drive;
        if (test::runningUnderWine()) {
            // Wine gives a folder a drive letter (subst) but cannot list it; its C: drive is the
            // test prefix's own small tree, walked instead. The folder below it is refused.
            root = QStringLiteral("C:\\");
            QVERIFY(makeFolderTree(root, {"cardisto-drive-root.vcf"}));
            rows = QStringList{root + "cardisto-drive-root.vcf"};
        } else {
            // A free drive letter for the folder, as subst gives one.
            for (char16_t letter = u'P'; letter < u'Y' && drive.isEmpty(); ++letter) {
                if (::GetDriveTypeW(native(QString(QChar(letter)) + QStringLiteral(":\\"))) == DRIVE_NO_ROOT_DIR)
                    drive = QString(QChar(letter)) + u':';
            }
            QVERIFY(!drive.isEmpty());
            QVERIFY(::DefineDosDeviceW(0, native(drive), native(folder)));
            root = drive + u'\\';
            rows = QStringList{root + "a.vcf", root + "sub\\b.vcf"};
        }
        const DWORD rootAttributes = ::GetFileAttributesW(native(root));
        QVERIFY(::SetFileAttributesW(native(root), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
        QVERIFY(::SetFileAttributesW(native(folder), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
        RecordingErrorReporter reporter;
        const QStringList fromRoot = scanFolderTree(root, vcfFilePattern(), reporter).paths;
        const QStringList fromPath = scanFolderTree(folder, vcfFilePattern(), reporter).paths;
        ::SetFileAttributesW(native(folder), FILE_ATTRIBUTE_NORMAL);
        ::SetFileAttributesW(native(root), rootAttributes);
        if (drive.isEmpty())
            QFile::remove(root + "cardisto-drive-root.vcf");
        else
            ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, native(drive), nullptr);
        for (const QString& row : rows)
            QVERIFY2(fromRoot.contains(row), qPrintable(row));
        QVERIFY(!fromRoot.contains(folder + "\\a.vcf"));
        QCOMPARE(fromPath, QStringList{folder + "\\a.vcf"});
        QVERIFY(reporter.reports.isEmpty());
#endif
    }

    void scan_listsEachFolderOnceAndYieldsPerFolder()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"a/1.vcf", "a/b/2.vcf", "a/b/c/", "d/", "e/3.vcf", "e/4.txt"}));
        RecordingErrorReporter reporter;
        int yields = 0;
        const FolderScanResult result = scanFolderTree(dir.path(), vcfFilePattern(), reporter, [&] { ++yields; });
        QCOMPARE(result.folderCount, 6);
        QCOMPARE(result.listingCount, 6);
        QCOMPARE(yields, 6 + 5); // each folder, and each sub-folder as it is examined

        // Stopped part-way (the program closing), the scan ends at once with no files to add.
        yields = 0;
        const FolderScanResult stopped =
            scanFolderTree(dir.path(), vcfFilePattern(), reporter, [&] { ++yields; }, [&] { return yields >= 7; });
        QVERIFY(stopped.paths.isEmpty());
        QVERIFY(stopped.listingCount < 6);
    }

    void walk_breadthFirstWithSeparatorsAndOneLevelOnly()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"b/x/", "a/y/z/", "c/"}));
        RecordingErrorReporter reporter;
        const auto below = [&dir](const QString& relative) {
            return QDir::toNativeSeparators(dir.path() + u'/' + relative);
        };
        const QString root = below({});
        QStringList all{root};
        GetSubDirectories2016(all, true, reporter);
        QCOMPARE(all, (QStringList{root, below("a/"), below("b/"), below("c/"), below("a/y/"), below("b/x/"),
                                   below("a/y/z/")}));
        QStringList one{root};
        GetSubDirectories2016(one, false, reporter);
        QCOMPARE(one, (QStringList{root, below("a/"), below("b/"), below("c/")}));
        // A starting entry that is no folder stays as it is; the walk has nothing to list there.
        QStringList missing{below("nowhere/")};
        GetSubDirectories2016(missing, true, reporter);
        QCOMPARE(missing, QStringList{below("nowhere/")});
        QVERIFY(reporter.reports.isEmpty());
    }

    void walk_failureIsReportedUnderItsOwnLocationAndTheWalkGoesOn()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"a/1.vcf", "b/2.vcf"}));
        RecordingErrorReporter reporter;
        int calls = 0;
        const auto failOnce = [&calls] {
            if (++calls == 1)
                throw ProcedureFailure(QStringLiteral("Out of string space"));
        };
        const FolderScanResult result = scanFolderTree(dir.path(), vcfFilePattern(), reporter, failOnce);
        QCOMPARE(reporter.reports.size(), 1);
        QCOMPARE(reporter.reports[0].location, QStringLiteral("in Quorvel2021/08/31.AddFolder.GetSubDirectories2016 "));
        QCOMPARE(reporter.reports[0].line, 100);
        QCOMPARE(reporter.reports[0].description, QStringLiteral("Out of string space"));
        // The chosen folder failed before its listing, so nothing below it was found.
        QVERIFY(result.paths.isEmpty());
    }

    void getFilesInFolder_matchingFilesOnlyInWindowsOrder()
    {
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"b.vcf", "A.VCF", "c.txt", "sub.vcf/", "sub.vcf/in.vcf", "~t.vcf"}));
        QCOMPARE(GetFilesInFolder(dir.path(), vcfFilePattern()), (QStringList{"A.VCF", "b.vcf", "~t.vcf"}));
        QCOMPARE(GetFilesInFolder(dir.path() + u'/', allFilesPattern()),
                 (QStringList{"A.VCF", "b.vcf", "c.txt", "~t.vcf"}));
        QVERIFY(GetFilesInFolder(dir.path() + "/nowhere", allFilesPattern()).isEmpty());
    }

    void fileExistsOnDisk_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("exists");
        QTest::newRow("file") << "f.vcf" << true;
        QTest::newRow("folder") << "folder" << false;
        if (kUnixFileTypes) {
            QTest::newRow("link to a file") << "link.vcf" << true;
            QTest::newRow("broken link") << "broken" << false;
            QTest::newRow("named pipe") << "pipe" << false;
        } else {
            // Devices that every Windows folder seems to hold: opening them reads or waits forever.
            QTest::newRow("reserved name NUL") << "NUL" << false;
            QTest::newRow("reserved name CON") << "CON" << false;
            QTest::newRow("reserved name in lower case") << "aux" << false;
        }
    }

    void fileExistsOnDisk()
    {
        QFETCH(QString, relative);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        QVERIFY(makeFolderTree(dir.path(), {"f.vcf", "folder/"}));
        if (kUnixFileTypes)
            QVERIFY(makeFolderTree(dir.path(), {"link.vcf -> f.vcf", "broken -> gone", "pipe|"}));
        QCOMPARE(FileExistsOnDisk(dir.path() + u'/' + relative), exists);
    }

    void hasUnsafeCharacters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("unsafeInWindows1252");
        QTest::addColumn<bool>("unsafeInUnicode");
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("plain letters, blanks and signs") << "My Contacts (2021) - Copy" << false << false;
        QTest::newRow("Latin-1 letters") << "Café Müller ÿ" << false << false;
        QTest::newRow("question mark") << "why?" << true << true;
        QTest::newRow("tab, below 32") << "a\tb" << true << true;
        QTest::newRow("delete, code 127") << "a\x7f" << true << true;
        QTest::newRow("C1 control, code 133") << QString(QChar(0x85)) << true << true;
        QTest::newRow("euro sign, code 128 in Windows-1252") << "5€" << true << false;
        QTest::newRow("curly quote, code 146 in Windows-1252") << "Tom’s" << true << false;
        QTest::newRow("Y with diaeresis, code 159 in Windows-1252") << "Ÿ" << true << false;
        QTest::newRow("letter outside Windows-1252") << "Łódź" << true << false;
        QTest::newRow("Cyrillic") << "Контакты" << true << false;
        QTest::newRow("emoji, a surrogate pair") << "a😀" << true << false;
    }

    void hasUnsafeCharacters()
    {
        QFETCH(QString, name);
        QFETCH(bool, unsafeInWindows1252);
        QFETCH(bool, unsafeInUnicode);
        QCOMPARE(HasUnsafeCharacters(name, NameCodePage::Windows1252), unsafeInWindows1252);
        QCOMPARE(HasUnsafeCharacters(name, NameCodePage::Unicode), unsafeInUnicode);
    }
};

QTEST_GUILESS_MAIN(TestFolderScan)
#include "TestFolderScan.moc"
