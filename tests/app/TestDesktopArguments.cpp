// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line: what it asks for, and the entries it hands the input list.

#include "app/DesktopArguments.h"
#include "shell/FileNameBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;
using Action = DesktopArguments::Action;
Q_DECLARE_METATYPE(Action)

class TestDesktopArguments : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QStringList>("unknown");
        QTest::newRow("nothing") << QStringList() << Action::Run << QStringList() << QStringList();
        QTest::newRow("files in order") << QStringList{"b.vcf", "/in/a.vcf"} << Action::Run
                                        << QStringList{"b.vcf", "/in/a.vcf"} << QStringList();
        QTest::newRow("help among files")
            << QStringList{"a.vcf", "--help"} << Action::ShowHelp << QStringList{"a.vcf"} << QStringList();
        QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << QStringList() << QStringList();
        QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << QStringList() << QStringList();
        QTest::newRow("help wins over version, either order")
            << QStringList{"-v", "-h"} << Action::ShowHelp << QStringList() << QStringList();
        QTest::newRow("unknown option kept apart")
            << QStringList{"--bogus", "a.vcf"} << Action::Run << QStringList{"a.vcf"} << QStringList{"--bogus"};
        QTest::newRow("after -- all are paths")
            << QStringList{"--", "--help", "-x.vcf"} << Action::Run << QStringList{"--help", "-x.vcf"} << QStringList();
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QStringList, paths);
        QFETCH(QStringList, unknown);
        const DesktopArguments parsed = parseDesktopArguments(arguments);
        QCOMPARE(parsed.action, action);
        QCOMPARE(parsed.paths, paths);
        QCOMPARE(parsed.unknownOptions, unknown);
    }

    void entries_areAbsoluteWithTheSystemsSeparators()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QStringList entries = commandLineEntries({"b.vcf", "contacts", "sub/../a.vcf", "/elsewhere/c d#1.vcf"});
        QDir::setCurrent(previous);

        // On Windows a path from the root of a drive gets a drive letter (the working folder's;
        // Wine gives its Z: drive).
        const QString here = QDir::toNativeSeparators(QDir(dir.path()).canonicalPath());
        const QString sep = QDir::separator();
#ifdef Q_OS_WIN
        const QString elsewhere = entries.value(3).left(2) + "\\elsewhere\\c d#1.vcf";
        QVERIFY(elsewhere.at(0).isLetter() && elsewhere.at(1) == u':');
#else
        const QString elsewhere = "/elsewhere/c d#1.vcf";
#endif
        QCOMPARE(entries, (QStringList{here + sep + "b.vcf", here + sep + "contacts", here + sep + "a.vcf", elsewhere}));
    }

    // A name that is no valid UTF-8 keeps its bytes from the system's arguments to the entry.
    void nameThatIsNoValidText_keepsItsBytes()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows passes its arguments as UTF-16 text");
#endif
        const char* argv[] = {"cardisto", "caf\xE9.vcf", "/in/\xFF/b.vcf", "--", "-plain.vcf"};
        const QStringList arguments = commandLineArguments(5, argv);
        QCOMPARE(arguments.size(), 4);
        QCOMPARE(fileNameBytes(arguments[0]), QByteArray("caf\xE9.vcf"));
        QCOMPARE(arguments[3], QStringLiteral("-plain.vcf"));
        const DesktopArguments parsed = parseDesktopArguments(arguments);
        QCOMPARE(parsed.paths.size(), 3);
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QStringList entries = commandLineEntries(parsed.paths);
        QDir::setCurrent(previous);
        QCOMPARE(fileNameBytes(entries[0]), QFile::encodeName(QDir(dir.path()).canonicalPath()) + "/caf\xE9.vcf");
        QCOMPARE(fileNameBytes(entries[1]), QByteArray("/in/\xFF/b.vcf"));
    }
};

QTEST_GUILESS_MAIN(TestDesktopArguments)
#include "TestDesktopArguments.moc"
