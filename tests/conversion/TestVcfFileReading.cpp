// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/VcfFileReading.h"
#include "support/RecordingErrorReporter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;

namespace {

// ASCII text as UTF-16 code units, without a byte-order mark.
QByteArray utf16WithoutMark(const QByteArray& ascii, bool bigEndian)
{
    QByteArray bytes;
    for (const char c : ascii)
        bytes += bigEndian ? QByteArray(1, '\0') + c : QByteArray(1, c) + '\0';
    return bytes;
}

const QByteArray kCard = "BEGIN:VCARD\r\nFN:Ann Lee\r\nEMAIL;TYPE=INTERNET:ann@x\r\nEND:VCARD\r\n";

} // namespace

class TestVcfFileReading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingAndEmptyFiles_giveEmptyTextWithoutMessage()
    {
        QTemporaryDir dir;
        QFile(dir.filePath("empty.vcf")).open(QIODevice::WriteOnly);
        test::RecordingErrorReporter reporter;
        QCOMPARE(ReadFileToString(dir.filePath("missing.vcf")), QByteArray());
        QCOMPARE(ReadFileToString(dir.filePath("empty.vcf")), QByteArray("empty file"));
        for (const char* name : {"missing.vcf", "empty.vcf"}) {
            QCOMPARE(ReadVCFFileToString(dir.filePath(name), ConversionChoice::allFields(), {}, reporter), QString());
            QCOMPARE(ReadVCFFileToString(dir.filePath(name), ConversionChoice::someFields(FieldGroups::all()), {},
                                         reporter),
                     QString());
        }
        QVERIFY(reporter.reports.isEmpty());
    }

    void modeChoosesTheConversion()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("a.vcf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("FN:John Doe\r\nEMAIL:a@example.com\r\n");
        file.close();
        test::RecordingErrorReporter reporter;
        QCOMPARE(ReadVCFFileToString(file.fileName(), ConversionChoice::allFields(), {}, reporter), "John Doe");
        QCOMPARE(ReadVCFFileToString(file.fileName(), ConversionChoice::someFields({true, false, false, false}), {},
                                     reporter),
                 "a@example.com");
        int progressCalls = 0;
        ReadVCFAllFields(file.fileName(), [&](qsizetype, qsizetype) { ++progressCalls; }, reporter);
        QCOMPARE(progressCalls, 1);
    }

    // NUL bytes refuse a file only when no vCard starts in its first 8 KiB, in any byte order.
    void nulBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // All Fields; empty with a refusal
        QTest::addColumn<bool>("refused");

        QByteArray strayNul = kCard;
        strayNul.insert(kCard.indexOf("Lee"), '\0');
        QTest::newRow("stray NUL kept in its value") << strayNul << QStringLiteral("Ann \0Lee\r\nann@x") << false;
        QTest::newRow("utf-16le without byte-order mark")
            << utf16WithoutMark(kCard, false) << QStringLiteral("Ann Lee\r\nann@x") << false;
        QTest::newRow("utf-16be without byte-order mark")
            << utf16WithoutMark(kCard, true) << QStringLiteral("Ann Lee\r\nann@x") << false;
        // A short ASCII start and a long name: too few NUL bytes for the pattern alone.
        const QString cjk = QString::fromUtf8("王小明").repeated(24);
        QByteArray mostlyCjk = utf16WithoutMark("BEGIN:VCARD\r\nFN:", false);
        mostlyCjk.append(reinterpret_cast<const char*>(cjk.utf16()), cjk.size() * 2);
        QTest::newRow("utf-16le, values mostly far from ascii") << mostlyCjk << cjk << false;
        QTest::newRow("lower-case vCard start") << QByteArray("begin:vcard\r\nFN:A\0nn\r\n", 22) << QStringLiteral("A\0nn") << false;
        QTest::newRow("vCard start after the first 8 KiB") << QByteArray(8192, '\0') + kCard << QString() << true;
        QTest::newRow("png image") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x40", 20) << QString() << true;
        QTest::newRow("utf-16le without vCard start") << utf16WithoutMark("FN:Ann Lee\r\n", false) << QString() << true;
    }

    void nulBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QString path = test::writeFile(dir.filePath("a.vcf"), bytes);
        test::RecordingErrorReporter reporter;
        QCOMPARE(ReadVCFFileToString(path, ConversionChoice::allFields(), {}, reporter), expected);
        QCOMPARE(reporter.reports.size(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(reporter.reports[0].description,
                     QStringLiteral("Cannot read %1: it is not a text file (it holds NUL bytes).").arg(path));
    }

    // The decoding flag of the choice reaches the conversion in both modes.
    void decodeLines_reachesTheConversion()
    {
        QTemporaryDir dir;
        const QString path =
            test::writeFile(dir.filePath("a.vcf"), "item1.EMAIL;TYPE=INTERNET:ann@x\r\nFN;QUOTED-PRINTABLE:Jos=C3=A9\r\n");
        test::RecordingErrorReporter reporter;
        ConversionChoice all = ConversionChoice::allFields();
        ConversionChoice some = ConversionChoice::someFields(FieldGroups::all());
        QCOMPARE(ReadVCFFileToString(path, all, {}, reporter), QString());
        QCOMPARE(ReadVCFFileToString(path, some, {}, reporter), QString());
        all.decodeLines = some.decodeLines = true;
        QCOMPARE(ReadVCFFileToString(path, all, {}, reporter), QString::fromUtf8("ann@x\r\nJosé"));
        QCOMPARE(ReadVCFFileToString(path, some, {}, reporter), QStringLiteral("ann@x"));
        QVERIFY(reporter.reports.isEmpty());
    }

    void unreadableInput_isReportedUnderTheConversionAndGivesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder.vcf"));
        test::RecordingErrorReporter reporter;
        QCOMPARE(ReadVCFSomeFields(dir.filePath("folder.vcf"), FieldGroups::all(), reporter), QString());
        QCOMPARE(ReadVCFAllFields(dir.filePath("folder.vcf"), {}, reporter), QString());
        QCOMPARE(reporter.reports.size(), 2);
        QCOMPARE(reporter.reports[0].location, QStringLiteral("in Velmora2021/08/31.Extract1.ReadVCFSomeFields "));
        QCOMPARE(reporter.reports[0].line, 100);
        QVERIFY(reporter.reports[0].description.contains("folder"));
        QCOMPARE(reporter.reports[1].location, QStringLiteral("in Velmora2021/08/31.Extract1.ReadVCFAllFields "));
    }
};

QTEST_GUILESS_MAIN(TestVcfFileReading)
#include "TestVcfFileReading.moc"
