// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line: what it asks for, and the files it hands the input list.

#include "app/DesktopArguments.h"
#include "inputs/InputFileList.h"

#include <QDir>
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

    void pathsAreAddedInOrderLikeADrop()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("contacts"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        InputFileList list;
        list.append(QStringLiteral("/listed/before.vcf"));
        QStringList scannedFolders;
        list.setFolderDropHandler([&](const QString& folder) {
            scannedFolders.append(folder);
            list.append(folder + QDir::separator() + QStringLiteral("found.vcf"));
        });
        addCommandLinePaths(list, {"b.vcf", "contacts", "sub/../a.vcf", "/elsewhere/c d#1.vcf"});
        QDir::setCurrent(previous);

        // As a drop gives them: with the system's separators, and on Windows a path from the root
        // of a drive gets a drive letter (the working folder's; Wine gives its Z: drive).
        const QString here = QDir::toNativeSeparators(QDir(dir.path()).canonicalPath());
        const QString sep = QDir::separator();
#ifdef Q_OS_WIN
        const QString elsewhere = list.texts().value(4).left(2) + "\\elsewhere\\c d#1.vcf";
        QVERIFY(elsewhere.at(0).isLetter() && elsewhere.at(1) == u':');
#else
        const QString elsewhere = "/elsewhere/c d#1.vcf";
#endif
        QCOMPARE(list.texts(), (QStringList{"/listed/before.vcf", here + sep + "b.vcf",
                                            here + sep + "contacts" + sep + "found.vcf", here + sep + "a.vcf",
                                            elsewhere}));
        QCOMPARE(scannedFolders, QStringList{here + sep + "contacts"});
    }
};

QTEST_GUILESS_MAIN(TestDesktopArguments)
#include "TestDesktopArguments.moc"
