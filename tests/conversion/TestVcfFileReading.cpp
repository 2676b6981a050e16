#include "conversion/VcfFileReading.h"
#include "support/RecordingErrorReporter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;

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
