// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"
#include "shell/ProgramFolder.h"
#include "shell/FileNameBytes.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <unistd.h>

using namespace cardisto;
using cardisto::test::writeFile;

class TestFileHelpers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileNameOnly_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full path") << "/data/contacts/a.vcf"
                                   << "a.vcf";
        QTest::newRow("bare name") << "a.vcf"
                                   << "a.vcf";
        QTest::newRow("ends with separator") << "/data/contacts/"
                                             << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void fileNameOnly()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(FileNameOnly(QDir::toNativeSeparators(path)), expected);
    }

    void collapseWindowsPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("drive root pair") << R"(C:\\Users\a.vcf)"
                                         << R"(C:\Users\a.vcf)";
        QTest::newRow("three become two") << R"(C:\a\\\b)"
                                          << R"(C:\a\\b)";
        QTest::newRow("four become two") << R"(C:\a\\\\b)"
                                         << R"(C:\a\\b)";
        QTest::newRow("network prefix kept") << R"(\\server\share\\a.vcf)"
                                             << R"(\\server\share\a.vcf)";
        QTest::newRow("three leading become two") << R"(\\\server\a)"
                                                  << R"(\\server\a)";
        QTest::newRow("one leading becomes two") << R"(\server\a)"
                                                 << R"(\\server\a)";
        QTest::newRow("nothing to do") << R"(D:\In\a.vcf)"
                                       << R"(D:\In\a.vcf)";
    }
    void collapseWindowsPaths()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(collapseDoubledSeparators(path, u'\\', true), expected);
#ifdef Q_OS_WIN
        QCOMPARE(CollapseDoubleBackslashes(path), expected); // the rule the program uses there
#endif
    }

    void collapseUnixPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root pair") << "//home/a.vcf"
                                   << "/home/a.vcf";
        QTest::newRow("inner pair") << "/home//a.vcf"
                                    << "/home/a.vcf";
        QTest::newRow("three become two") << "/a///b"
                                          << "/a//b";
        QTest::newRow("relative") << "a//b"
                                  << "a/b";
    }
    void collapseUnixPaths()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(collapseDoubledSeparators(path, u'/', false), expected);
#ifndef Q_OS_WIN
        QCOMPARE(CollapseDoubleBackslashes(path), expected);
#endif
    }

    void joinFolderAndName_avoidsDoubledSeparator()
    {
        const QString root = QDir::toNativeSeparators("/");
        QCOMPARE(joinFolderAndName(root, "a.vcf"), QDir::toNativeSeparators("/a.vcf"));
        QCOMPARE(joinFolderAndName(QDir::toNativeSeparators("/in"), "a.vcf"), QDir::toNativeSeparators("/in/a.vcf"));
    }

    void joinFolderAndNameWithSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<bool>("windowsPaths");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root of the current drive") << R"(\)" << QChar(u'\\') << true << R"(\a.vcf)";
        QTest::newRow("drive root") << R"(C:\)" << QChar(u'\\') << true << R"(C:\a.vcf)";
        QTest::newRow("drive folder") << R"(C:\In)" << QChar(u'\\') << true << R"(C:\In\a.vcf)";
        QTest::newRow("network share") << R"(\\server\share)" << QChar(u'\\') << true << R"(\\server\share\a.vcf)";
        QTest::newRow("network share, separator at the end")
            << R"(\\server\share\)" << QChar(u'\\') << true << R"(\\server\share\a.vcf)";
        QTest::newRow("unix root") << "/" << QChar(u'/') << false << "/a.vcf";
        QTest::newRow("unix folder, separator at the end") << "/in/" << QChar(u'/') << false << "/in/a.vcf";
        QTest::newRow("unix doubled start") << "//in" << QChar(u'/') << false << "/in/a.vcf";
    }
    void joinFolderAndNameWithSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QChar, separator);
        QFETCH(bool, windowsPaths);
        QFETCH(QString, expected);
        QCOMPARE(joinFolderAndName(folder, "a.vcf", separator, windowsPaths), expected);
        // The rows of this system: what the program itself does with them.
#ifdef Q_OS_WIN
        constexpr bool windows = true;
#else
        constexpr bool windows = false;
#endif
        if (windowsPaths == windows)
            QCOMPARE(joinFolderAndName(folder, "a.vcf"), expected);
    }

    void presenceAndFolderProbes()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("a.vcf");
        writeFile(file, "x");
        QVERIFY(FileIsPresent(file));
        QVERIFY(FileIsPresent(dir.path()));
        QVERIFY(!FileIsPresent(dir.filePath("missing.vcf")));
        QVERIFY(!FileIsPresent(QString()));
        QCOMPARE(IsFolder(dir.path()), std::optional<bool>(true));
        QCOMPARE(IsFolder(file), std::optional<bool>(false));
        QCOMPARE(IsFolder(dir.filePath("missing")), std::optional<bool>());
    }

    // Names that are not valid UTF-8 keep their bytes on the way to the reading functions.
    void fileNames_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<bool>("representable");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii") << QByteArray("a.vcf") << true << "a.vcf";
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9.vcf") << true << QString::fromUtf8("café.vcf");
        QTest::newRow("latin-1 byte") << QByteArray("caf\xE9.vcf") << false << "caf\\xE9.vcf";
        QTest::newRow("cut utf-8 sequence, then valid utf-8")
            << QByteArray("\xE2\x82-\xC3\xA4") << false << QString::fromUtf8("\\xE2\\x82-ä");
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xB3\xA9") << false << "\\xED\\xB3\\xA9";
    }
    void fileNames()
    {
        QFETCH(QByteArray, raw);
        QFETCH(bool, representable);
        QFETCH(QString, shown);
#ifdef Q_OS_WIN
        QSKIP("Windows names are UTF-16 text, not bytes: every name is representable there");
#endif
        QCOMPARE(isRepresentableFileName(raw), representable);
        QCOMPARE(escapedFileName(raw), shown);
        const QString name = fileNameFromBytes(raw);
        QCOMPARE(holdsUndecodedBytes(name), !representable);
        QCOMPARE(fileNameBytes(name), raw);

        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.path()) + '/' + raw;
        QFile file;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0600);
        if (fd < 0)
            QSKIP("this file system refuses the name");
        QVERIFY(::write(fd, "N:Doe", 5) == 5 && ::close(fd) == 0);
        const QString textPath = dir.path() + u'/' + name;
        QVERIFY(FileIsPresent(textPath));
        QCOMPARE(readWholeFile(textPath), QByteArray("N:Doe"));
        ::unlink(path.constData()); // a name the temporary folder's own clean-up may not spell
    }

    void readLinesToArray_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty file gives one empty line") << QByteArray() << QStringList{""};
        QTest::newRow("crlf") << QByteArray("a\r\n b \r\n") << QStringList{"a", " b "};
        QTest::newRow("lf, no final end") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("blank lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("utf-8 bom dropped") << QByteArray("\xEF\xBB\xBFx\r\n") << QStringList{"x"};
        QTest::newRow("windows-1252") << QByteArray("caf\xE9\r\n") << QStringList{QString::fromUtf8("café")};
    }
    void readLinesToArray()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        writeFile(dir.filePath("items.txt"), bytes);
        QCOMPARE(ReadLinesToArray(dir.filePath("items.txt")), expected);
    }

    void readLinesToArray_missingFileFailsForTheCaller()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(ProcedureFailure, ReadLinesToArray(dir.filePath("missing.txt")));
        QVERIFY_THROWS_EXCEPTION(ProcedureFailure, ReadLinesToArray(dir.path()));
    }

    void splitPathListText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("crlf") << "C:\\a.vcf\r\nC:\\b.vcf\r\n" << QStringList{"C:\\a.vcf", "C:\\b.vcf"};
        QTest::newRow("lf with final lf adds an empty row") << "a\nb\n" << QStringList{"a", "b", ""};
        QTest::newRow("cr alone") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("empty line in the middle") << "a\r\n\r\nb\r\n" << QStringList{"a", "", "b"};
        QTest::newRow("no final line end") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("blanks kept") << " a \r\n" << QStringList{" a "};
        QTest::newRow("empty text") << "" << QStringList{};
        QTest::newRow("only a line end") << "\r\n" << QStringList{""};
    }
    void splitPathListText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        QCOMPARE(cardisto::splitPathListText(text), rows);
    }

    // A portable copy keeps its files beside the executable; an installed one finds them in the
    // user's data folder, then in the installed data folder.
    void programFolder_firstFolderHoldingTheNameWins_data()
    {
        QTest::addColumn<QStringList>("holders"); // of "program", "user", "installed"
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside the program") << QStringList{"program"} << "program";
        QTest::newRow("installed only") << QStringList{"installed"} << "installed";
        QTest::newRow("user's before installed") << QStringList{"user", "installed"} << "user";
        QTest::newRow("program before all") << QStringList{"program", "user", "installed"} << "program";
        QTest::newRow("nowhere: the program folder's name") << QStringList() << "program";
    }
    void programFolder_firstFolderHoldingTheNameWins()
    {
        QFETCH(QStringList, holders);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        for (const QString& holder : holders) {
            QVERIFY(QDir(dir.path()).mkpath(holder + QStringLiteral("/x")));
            writeFile(dir.filePath(holder + QStringLiteral("/x/skin.qss")), "a");
        }
        const ProgramFolder folder(dir.filePath("program"), {dir.filePath("user"), dir.filePath("installed")});
        QCOMPARE(folder.filePath(QStringLiteral("x/skin.qss")),
                 QDir::toNativeSeparators(dir.filePath(expected + QStringLiteral("/x/skin.qss"))));
        // A folder given alone is the only place looked in.
        QCOMPARE(ProgramFolder(dir.filePath("installed")).folders(),
                 QStringList{QDir::toNativeSeparators(dir.filePath("installed"))});
    }

    void itemsFromLines_keepsLinesWithVisibleCharactersUntrimmed()
    {
        QCOMPARE(itemsFromLines({"a", "   ", "b ", "", "\t"}), QStringList({"a", "b ", "\t"}));
    }
};

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "TestFileHelpers.moc"
