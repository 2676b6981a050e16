// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/platform/FileSelection.h"

#include <QDir>
#include <QTest>

using namespace cardisto;

namespace {
QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}
QStringList native(const QStringList& paths)
{
    QStringList result;
    for (const QString& path : paths)
        result.append(native(path));
    return result;
}
} // namespace

class TestFileSelection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fromChosenPaths_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("nothing is a cancel") << QStringList() << QStringList();
        QTest::newRow("one file stays whole") << QStringList{"/in/a.vcf"} << QStringList{"/in/a.vcf"};
        QTest::newRow("three in one folder, in the dialog's order")
            << QStringList{"/In/c.vcf", "/In/a.vcf", "/In/b.vcf"} << QStringList{"/In", "c.vcf", "a.vcf", "b.vcf"};
        QTest::newRow("files in the root") << QStringList{"/a.vcf", "/b.vcf"} << QStringList{"/", "a.vcf", "b.vcf"};
        QTest::newRow("different folders share their parent")
            << QStringList{"/in/x/a.vcf", "/in/y/b.vcf"} << QStringList{"/in", "x/a.vcf", "y/b.vcf"};
        QTest::newRow("folder names that only start alike")
            << QStringList{"/in/ab/a.vcf", "/in/abc/b.vcf"} << QStringList{"/in", "ab/a.vcf", "abc/b.vcf"};
    }
    void fromChosenPaths()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, parts);
        const FileSelection selection = FileSelection::fromChosenPaths(native(chosen));
        QCOMPARE(selection.parts(), native(parts));
        QCOMPARE(selection.isCancelled(), chosen.isEmpty());
        // Whatever the parts, the paths are the chosen files.
        QCOMPARE(selection.paths(), native(chosen));
    }

    void windowsSelections_data()
    {
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("single path unchanged, doubled separators and all")
            << QStringList{R"(C:\\a\\b.vcf)"} << QStringList{R"(C:\\a\\b.vcf)"};
        QTest::newRow("folder and names") << QStringList{R"(D:\In)", "a.vcf", "b.vcf", "c.vcf"}
                                          << QStringList{R"(D:\In\a.vcf)", R"(D:\In\b.vcf)", R"(D:\In\c.vcf)"};
        QTest::newRow("drive root gives one separator")
            << QStringList{R"(C:\)", "a.vcf", "b.vcf"} << QStringList{R"(C:\a.vcf)", R"(C:\b.vcf)"};
    }
    void windowsSelections()
    {
        if (QDir::separator() != u'\\')
            QSKIP("Drive letters and backslashes are Windows paths");
        QFETCH(QStringList, parts);
        QFETCH(QStringList, paths);
        QCOMPARE(FileSelection::fromParts(parts).paths(), paths);
    }

    void selectionBeyondTheAnswerBuffer_isTooManyFiles()
    {
        // The folder and the names, joined by NUL characters, may take 30000 characters.
        const QString folder = native("/in");
        QStringList parts{folder};
        qsizetype length = folder.size();
        while (length + 1 + 9 <= kSelectionBufferCharacters) {
            parts.append(QStringLiteral("%1.vcf").arg(parts.size(), 5, 10, QChar(u'0')));
            length += 1 + 9;
        }
        const QString filler(kSelectionBufferCharacters - length - 1, u'x');
        parts.append(filler);
        QCOMPARE(parts.join(QChar(0)).size(), kSelectionBufferCharacters);
        QCOMPARE(FileSelection::fromParts(parts).status(), FileSelection::Status::Chosen);

        parts.last().append(u'x');
        const FileSelection tooMany = FileSelection::fromParts(parts);
        QVERIFY(tooMany.isTooManyFiles());
        QVERIFY(tooMany.parts().isEmpty());
        QVERIFY(tooMany.paths().isEmpty());
    }

    void tooManyFilesMessage_breaksWithLoneCarriageReturns()
    {
        QCOMPARE(tooManyFilesMessage(),
                 QStringLiteral("You've selected too many files to add.\r\rPlease try adding via "
                                "the \"Add All\" button."));
    }
};

QTEST_GUILESS_MAIN(TestFileSelection)
#include "TestFileSelection.moc"
