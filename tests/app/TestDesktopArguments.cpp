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

    void entries_areAbsoluteAndKeepTheBytesOfTheirNames_data()
    {
        QTest::addColumn<QByteArray>("argument"); // as the system passes it
        QTest::addColumn<QByteArray>("entry");    // the entry's bytes; "./" stands for the working folder
        QTest::newRow("relative") << QByteArray("b.vcf") << QByteArray("./b.vcf");
        QTest::newRow("dots resolved") << QByteArray("sub/../a.vcf") << QByteArray("./a.vcf");
        QTest::newRow("absolute, blank and #") << QByteArray("/elsewhere/c d#1.vcf") << QByteArray("/elsewhere/c d#1.vcf");
        QTest::newRow("name that is no UTF-8") << QByteArray("caf\xE9.vcf") << QByteArray("./caf\xE9.vcf");
        QTest::newRow("folder that is no UTF-8") << QByteArray("/in/\xFF/b.vcf") << QByteArray("/in/\xFF/b.vcf");
    }
    void entries_areAbsoluteAndKeepTheBytesOfTheirNames()
    {
        QFETCH(QByteArray, argument);
        QFETCH(QByteArray, entry);
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
#ifdef Q_OS_WIN
        // Arguments arrive as UTF-16 text there, so every name is text; a path from a drive's root
        // gets its letter.
        if (!entry.startsWith("./") || QString::fromUtf8(argument).toUtf8() != argument)
            QSKIP("no such argument on Windows");
        const QStringList arguments{QString::fromUtf8(argument)};
#else
        const char* argv[] = {"cardisto", argument.constData()};
        const QStringList arguments = commandLineArguments(2, argv);
#endif
        const QStringList entries = commandLineEntries(parseDesktopArguments(arguments).paths);
        QDir::setCurrent(previous);
        entry.replace("./", QByteArray(QFile::encodeName(QDir(dir.path()).canonicalPath()) + '/'));
        QCOMPARE(entries.size(), 1);
        QCOMPARE(fileNameBytes(entries[0]), fileNameBytes(QDir::toNativeSeparators(fileNameFromBytes(entry))));
    }
};

QTEST_GUILESS_MAIN(TestDesktopArguments)
#include "TestDesktopArguments.moc"
