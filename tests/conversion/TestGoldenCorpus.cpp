// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/VcfFileReading.h"
#include "support/RecordingErrorReporter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace cardisto;

// Real exports from phones, mail programs and address books, read and converted in both modes, with
// and without "Read vCards as the standard defines them", by the reading step the extraction uses, and compared
// with reviewed expected texts under tests/data/golden. Set CARDISTO_UPDATE_GOLDEN=1 to rewrite
// the expected texts after a deliberate change (and review the diff).
class TestGoldenCorpus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void corpus_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<bool>("allFields");
        QTest::addColumn<bool>("decodeLines");
        const QDir corpus(QStringLiteral(CARDISTO_CORPUS_DIR));
        if (!corpus.exists())
            return;
        QStringList files;
        QDirIterator it(corpus.path(), {QStringLiteral("*.vcf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(corpus.relativeFilePath(it.next()));
        files.sort();
        for (const QString& file : files) {
            QTest::newRow(qPrintable(file + QStringLiteral(" some"))) << file << false << false;
            QTest::newRow(qPrintable(file + QStringLiteral(" all"))) << file << true << false;
            QTest::newRow(qPrintable(file + QStringLiteral(" some, decoded"))) << file << false << true;
            QTest::newRow(qPrintable(file + QStringLiteral(" all, decoded"))) << file << true << true;
        }
    }

    void corpus()
    {
        if (!QDir(QStringLiteral(CARDISTO_CORPUS_DIR)).exists())
            QSKIP("The shared vCard corpus is not present next to this checkout.");
        QFETCH(QString, relativePath);
        QFETCH(bool, allFields);
        QFETCH(bool, decodeLines);
        const QString input = QDir(QStringLiteral(CARDISTO_CORPUS_DIR)).filePath(relativePath);
        ConversionChoice choice =
            allFields ? ConversionChoice::allFields() : ConversionChoice::someFields(FieldGroups::all());
        choice.decodeLines = decodeLines;
        test::RecordingErrorReporter reporter;
        const QByteArray converted = ReadVCFFileToString(input, choice, {}, reporter).toUtf8();
        QVERIFY(reporter.reports.isEmpty());

        const QString expectedPath = QStringLiteral(CARDISTO_TEST_DATA "/golden/") + relativePath +
                                     (allFields ? QStringLiteral(".all") : QStringLiteral(".some")) +
                                     (decodeLines ? QStringLiteral(".decoded.txt") : QStringLiteral(".txt"));
        if (qEnvironmentVariableIsSet("CARDISTO_UPDATE_GOLDEN")) {
            QDir().mkpath(QFileInfo(expectedPath).path());
            QFile out(expectedPath);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(converted);
            return;
        }
        QFile expected(expectedPath);
        if (!expected.open(QIODevice::ReadOnly))
            QFAIL(qPrintable(QStringLiteral("No expected text %1; run with CARDISTO_UPDATE_GOLDEN=1 and review it.")
                                 .arg(expectedPath)));
        QCOMPARE(converted, expected.readAll());
    }
};

QTEST_GUILESS_MAIN(TestGoldenCorpus)
#include "TestGoldenCorpus.moc"
