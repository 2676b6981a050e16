// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeExtractionHost.h"
#include "conversion/VcfFileReading.h"
#include "conversion/VcfTextForm.h"
#include "extraction/ConvertedLines.h"
#include "extraction/ExtractionCommands.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;
using cardisto::test::FakeExtractionHost;
using cardisto::test::writeFile;
using cardisto::test::writeVcf;

namespace {

const QString kNoFiles = QStringLiteral("No files added.");
const QString kFillOutText = QStringLiteral("Fill out text to use to extract lines.");

QString location(const char* procedure)
{
    return ErrorLocation::velmora(QString::fromLatin1(procedure).section(u'.', 0, 0),
                                  QString::fromLatin1(procedure).section(u'.', 1))
        .text();
}

// The run as one thread makes it: every file read and converted at its turn, its lines offered.
QStringList oneThreadRows(const QStringList& paths, const ConversionChoice& choice, const ExtractionOptions& options,
                          test::RecordingErrorReporter& reporter)
{
    ResultsModel model;
    for (const QString& path : paths) {
        const QString text = ReadVCFFileToString(path, choice, {}, reporter);
        for (const QStringView line : ConvertedLines(text))
            OfferResult(model, options, path, line);
    }
    return test::resultRows(model);
}

// Records how many rows the results list held when each failure was reported.
class RowCountingReporter final : public ErrorReporter {
public:
    explicit RowCountingReporter(const ResultsModel& model) : m_model(model) {}
    void reportApplicationError(const ErrorLocation& location, int line, const QString&) override
    {
        reports.append({location.text(), line, m_model.totalRowCount()});
    }
    struct Report {
        QString location;
        int line;
        qsizetype rowsBefore;
        bool operator==(const Report&) const = default;
    };
    QList<Report> reports;

private:
    const ResultsModel& m_model;
};

} // namespace

class TestExtractionCommands : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_letters; // A to G, one per line
    QString m_rain;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_letters = writeVcf(m_dir, "letters.vcf", {"A", "B", "C", "D", "E", "F", "G"});
        m_rain = writeVcf(m_dir, "rain.vcf", {"The rain in spain falls mainly on the plain."});
    }

    void allLines_listsEveryLineOfEveryFileWithProgress()
    {
        FakeExtractionHost host;
        const QString second = writeVcf(m_dir, "second.vcf", {"x@example.com", "A"});
        host.inputs = {m_letters, second};
        ExtractAllLines(host);
        QCOMPARE(host.rows(), (QStringList{"A", "B", "C", "D", "E", "F", "G", "x@example.com", "A"}));
        QCOMPARE(host.progress,
                 (QList<QPair<int, QString>>{
                     {50, "Processing: letters.vcf"}, {100, "Processing: second.vcf"}, {0, "Progress Bar"}}));
        QCOMPARE(host.busyPointer, (QList<bool>{true, true, false}));
        QCOMPARE(host.yields, 2 + 9); // once per file, once per line
        QVERIFY(!host.running);
        QVERIFY(host.messages.isEmpty());
        QVERIFY(host.reporter.reports.isEmpty());
    }

    void progress_showsTheShareOfFilesStarted()
    {
        FakeExtractionHost host;
        host.inputs = {m_rain, m_rain, m_rain, m_rain};
        ExtractAllLines(host);
        QCOMPARE(host.progressValues(), (QList<int>{25, 50, 75, 100, 0}));
    }

    void allLines_withNoFiles_clearsTheRowsButKeepsTheHeaders()
    {
        FakeExtractionHost host;
        host.model.setLayout(ResultsLayout::WithSourceFilename);
        host.model.appendRow("old", "row");
        host.options.showSourceFilename = false;
        ExtractAllLines(host);
        QCOMPARE(host.messages, QStringList{kNoFiles});
        QCOMPARE(host.model.totalRowCount(), 0);
        QCOMPARE(host.model.columnCount(), 2);
        QVERIFY(host.progress.isEmpty());
        QVERIFY(!host.running);
    }

    void duplicates_data()
    {
        QTest::addColumn<bool>("removeDuplicates");
        QTest::addColumn<bool>("showSource");
        QTest::addColumn<int>("rows");
        QTest::newRow("kept") << false << false << 14;
        QTest::newRow("removed") << true << false << 7;
        QTest::newRow("removed beside their source") << true << true << 7;
        QTest::newRow("kept beside their source") << false << true << 14;
    }

    void duplicates()
    {
        QFETCH(bool, removeDuplicates);
        QFETCH(bool, showSource);
        QFETCH(int, rows);
        FakeExtractionHost host;
        const QString copy = writeVcf(m_dir, "copy.vcf", {"A", "B", "C", "D", "E", "F", "G"});
        host.inputs = {m_letters, copy};
        host.options = {removeDuplicates, showSource};
        ExtractAllLines(host);
        QCOMPARE(host.model.totalRowCount(), rows);
        QCOMPARE(host.model.columnCount(), showSource ? 2 : 1);
    }

    void sourceColumn_holdsTheEntryAsListedWhileTheCaptionShowsTheName()
    {
        FakeExtractionHost host;
        host.inputs = {m_rain};
        host.options.showSourceFilename = true;
        ExtractAllLines(host);
        QCOMPARE(host.rows(), QStringList{m_rain + "|The rain in spain falls mainly on the plain."});
        QCOMPARE(host.model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Source Filename"));
        QCOMPARE(host.progress.first().second, QStringLiteral("Processing: rain.vcf"));
    }

    void optionsAreReadAtEveryOffer()
    {
        FakeExtractionHost host;
        host.inputs = {m_letters};
        host.onYield = [&host] {
            if (host.yields == 4) // before the third line
                host.options.showSourceFilename = true;
        };
        ExtractAllLines(host);
        QCOMPARE(host.rows().mid(1, 3), (QStringList{"B", m_letters + "|C", m_letters + "|D"}));
        QCOMPARE(host.model.columnCount(), 1); // headers were built once, at the start
    }

    void secondRunOfTheSameWindow_isRefused()
    {
        FakeExtractionHost host;
        host.inputs = {m_letters};
        int nestedRuns = 0;
        host.onYield = [&] {
            if (nestedRuns++ == 0) {
                ExtractAllLines(host);
                ExtractLinesByNumber(host);
            }
        };
        ExtractAllLines(host);
        QCOMPARE(host.model.totalRowCount(), 7);
        QCOMPARE(host.progressValues(), (QList<int>{100, 0}));
    }

    void rowsRemovedDuringTheRun_endTheLoopQuietly()
    {
        FakeExtractionHost host;
        host.inputs = {m_letters, m_rain, m_rain};
        host.onYield = [&host] {
            if (host.inputs.size() == 3)
                host.inputs.removeLast();
        };
        ExtractAllLines(host);
        QCOMPARE(host.model.totalRowCount(), 8);
        QVERIFY(host.reporter.reports.isEmpty());
    }

    void unreadableFile_isReportedAndTheRunGoesOn()
    {
        FakeExtractionHost host;
        QVERIFY(QDir(m_dir.path()).mkpath("folder.vcf"));
        host.inputs = {m_dir.filePath("folder.vcf"), m_rain};
        ExtractAllLines(host);
        QCOMPARE(host.reporter.reports.size(), 1);
        QCOMPARE(host.reporter.reports[0].location, location("Extract1.ReadVCFSomeFields"));
        QCOMPARE(host.model.totalRowCount(), 1);
        QVERIFY(!host.running);
    }

    void failuresOfTheWorker_areReportedAtTheFilesTurn_data()
    {
        QTest::addColumn<bool>("allFields");
        QTest::addColumn<QString>("procedure");
        QTest::newRow("some fields") << false << "Extract1.ReadVCFSomeFields";
        QTest::newRow("all fields") << true << "Extract1.ReadVCFAllFields";
    }

    // A file that cannot be read is read on the worker; its failure still shows at its turn, after
    // the rows of the files before it, with the conversion's own location and statement number.
    void failuresOfTheWorker_areReportedAtTheFilesTurn()
    {
        QFETCH(bool, allFields);
        QFETCH(QString, procedure);
        struct Host final : FakeExtractionHost {
            RowCountingReporter counting{model};
            ErrorReporter& errorReporter() override { return counting; }
        } host;
        QVERIFY(QDir(m_dir.path()).mkpath("unreadable.vcf"));
        const QString unreadable = m_dir.filePath("unreadable.vcf");
        const QString typed = writeFile(m_dir.filePath("typed.vcf"), "EMAIL;TYPE=home:one\r\nEMAIL;TYPE=work:two\r\n");
        host.inputs = {typed, unreadable, typed, unreadable};
        host.choice = allFields ? ConversionChoice::allFields() : ConversionChoice::someFields({true, true, true, true});
        ExtractAllLines(host);
        using Report = RowCountingReporter::Report;
        QCOMPARE(host.counting.reports, (QList<Report>{{location(qPrintable(procedure)), 100, 2},
                                                       {location(qPrintable(procedure)), 100, 4}}));
        QCOMPARE(host.model.totalRowCount(), 4);
    }

    void fieldChoiceAndEntry_areTakenAtTheFilesTurn_data()
    {
        QTest::addColumn<int>("changeAtYield");
        QTest::addColumn<bool>("replaceEntry");
        QTest::addColumn<QStringList>("rows");
        // Yield 1 shows the first file, yield 2 comes before its one line, yield 3 shows the second file,
        // and so on.
        QTest::newRow("choice changed during the first file") << 2 << false << QStringList{"a@x.org", "123", "123"};
        QTest::newRow("choice changed as the third file shows") << 5 << false
                                                                << QStringList{"a@x.org", "b@x.org", "123"};
        QTest::newRow("entry replaced during the first file") << 2 << true
                                                              << QStringList{"a@x.org", "z@x.org", "c@x.org"};
    }

    // The worker converts the next files ahead with the choice and entries of that moment; what the
    // run uses is what the window holds at the file's turn.
    void fieldChoiceAndEntry_areTakenAtTheFilesTurn()
    {
        QFETCH(int, changeAtYield);
        QFETCH(bool, replaceEntry);
        QFETCH(QStringList, rows);
        const auto contact = [&](const char* name, const char* email) {
            return writeFile(m_dir.filePath(name), QByteArray("BEGIN:VCARD\r\nEMAIL:") + email +
                                                       "\r\nTEL:123\r\nEND:VCARD\r\n");
        };
        FakeExtractionHost host;
        host.inputs = {contact("a.vcf", "a@x.org"), contact("b.vcf", "b@x.org"), contact("c.vcf", "c@x.org")};
        const QString replacement = contact("z.vcf", "z@x.org");
        host.choice = ConversionChoice::someFields({true, false, false, false});
        host.onYield = [&] {
            if (host.yields != changeAtYield)
                return;
            if (replaceEntry)
                host.inputs[1] = replacement;
            else
                host.choice = ConversionChoice::someFields({false, true, false, false});
        };
        ExtractAllLines(host);
        QCOMPARE(host.rows(), rows);
    }

    void stop_endsTheRunAfterTheCurrentLine_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("stopAtYield");
        QTest::addColumn<QStringList>("rows");
        // Two files of A to G: yield 1 shows the first file, yields 2 to 8 come before its lines.
        QTest::newRow("all lines, before the third line") << 0 << 4 << QStringList{"A", "B"};
        QTest::newRow("all lines, as the first file shows") << 0 << 1 << QStringList{};
        QTest::newRow("all lines, as the second file shows") << 0 << 9 << QStringList{"A", "B", "C", "D", "E", "F", "G"};
        QTest::newRow("by number, before the fifth line") << 1 << 6 << QStringList{"A", "C"};
        QTest::newRow("text sets, before the second line") << 2 << 3 << QStringList{"A"};
        QTest::newRow("between markers, as the second file shows") << 3 << 2 << QStringList{"A\r\nB\r\nC"};
    }

    // A stopped run keeps the rows found so far and ends as any run ends.
    void stop_endsTheRunAfterTheCurrentLine()
    {
        QFETCH(int, command);
        QFETCH(int, stopAtYield);
        QFETCH(QStringList, rows);
        FakeExtractionHost host;
        host.inputs = {m_letters, m_letters};
        host.texts[ExtractionText::LineNumbers] = QStringLiteral("1,3,5");
        host.texts[ExtractionText::StartMarker] = QStringLiteral("A");
        host.texts[ExtractionText::EndMarker] = QStringLiteral("\r\nD");
        host.items = {"a", "c"};
        host.onYield = [&] {
            if (host.yields == stopAtYield)
                host.stop = true;
        };
        void (*const commands[])(ExtractionHost&) = {ExtractAllLines, ExtractLinesByNumber, ExtractTextSets,
                                                     ExtractBetweenMarkers};
        commands[command](host);
        QCOMPARE(host.rows(), rows);
        // The same with every line a piece of its own: a stop between pieces ends the run there.
        FakeExtractionHost pieces;
        pieces.inputs = host.inputs;
        pieces.texts = host.texts;
        pieces.items = host.items;
        pieces.pieceBytes = 1;
        pieces.onYield = [&] {
            if (pieces.yields == stopAtYield)
                pieces.stop = true;
        };
        commands[command](pieces);
        QCOMPARE(pieces.rows(), rows);
        QCOMPARE(host.progress.last(), (QPair<int, QString>{0, "Progress Bar"}));
        QCOMPARE(host.busyPointer.last(), false);
        QVERIFY(!host.running);
        QVERIFY(host.reporter.reports.isEmpty());
    }

    void corpus_givesTheRowsOfTheOneThreadRun_data()
    {
        QTest::addColumn<bool>("allFields");
        QTest::addColumn<bool>("removeDuplicates");
        QTest::addColumn<bool>("decodeLines");
        QTest::addColumn<qsizetype>("pieceBytes");
        const qsizetype whole = kConversionPieceBytes;
        QTest::newRow("some fields") << false << false << false << whole;
        QTest::newRow("all fields") << true << false << false << whole;
        QTest::newRow("all fields, duplicates removed") << true << true << false << whole;
        // Files cut at every line where a piece may end, and in pieces of about 1 KB.
        QTest::newRow("some fields, pieces") << false << false << false << qsizetype(1);
        QTest::newRow("all fields, decoded, pieces") << true << false << true << qsizetype(1);
        QTest::newRow("all fields, duplicates removed, 1 KB pieces") << true << true << false << qsizetype(1024);
        QTest::newRow("some fields, decoded, 1 KB pieces") << false << false << true << qsizetype(1024);
    }

    void corpus_givesTheRowsOfTheOneThreadRun()
    {
        QFETCH(bool, allFields);
        QFETCH(bool, removeDuplicates);
        QFETCH(bool, decodeLines);
        QFETCH(qsizetype, pieceBytes);
        QStringList paths;
        QDirIterator files(QStringLiteral(CARDISTO_CORPUS_DIR), {QStringLiteral("*.vcf")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            paths.append(files.next());
        if (paths.isEmpty())
            QSKIP("the shared corpus is not here");
        paths.sort();
        // Large files with letters beyond ASCII, read a part at a time when taken in pieces: UTF-8
        // throughout, and UTF-8 but for one byte near the end, which makes all of it Windows-1252.
        QByteArray utf8;
        for (int i = 0; i < 400; ++i) {
            utf8 += QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Müller;Zoë %1;;;\r\nEMAIL;TYPE=INTERNET:zoë%1@example.com\r\n"
                                   "NOTE;ENCODING=QUOTED-PRINTABLE:caf=C3=A9 %1=\r\n more\r\nEND:VCARD\r\n")
                        .arg(i)
                        .toUtf8();
        }
        // The start read to tell the file's kind ends inside a letter.
        const qsizetype letter = utf8.indexOf("\xC3\xBC", kVcfInspectedBytes - 400);
        utf8.prepend("NOTE:" + QByteArray(kVcfInspectedBytes - 8 - letter, 'x') + "\r\n");
        QCOMPARE(utf8.mid(kVcfInspectedBytes - 1, 2), QByteArray("\xC3\xBC"));
        paths.append(writeFile(m_dir.filePath("large-utf8.vcf"), utf8));
        paths.append(writeFile(m_dir.filePath("large-late-1252.vcf"), utf8 + "NOTE:caf\xE9\r\n"));
        FakeExtractionHost host;
        host.inputs = paths;
        host.choice = allFields ? ConversionChoice::allFields() : ConversionChoice::someFields({true, true, true, true});
        host.choice.decodeLines = decodeLines;
        host.options = {removeDuplicates, true};
        host.pieceBytes = pieceBytes;
        test::RecordingErrorReporter oneThreadReporter;
        const QStringList expected = oneThreadRows(paths, host.choice, host.options, oneThreadReporter);
        ExtractAllLines(host);
        QCOMPARE(host.rows(), expected);
        QCOMPARE(host.reporter.reports.size(), oneThreadReporter.reports.size());
        QVERIFY(!expected.isEmpty());
    }

    // A file in many pieces: its first lines are offered while the worker is still converting it
    // (sixteen pieces ahead at most), so the assembly, which ends the conversion, comes later.
    void largeFile_firstLinesComeBeforeItsConversionEnds()
    {
        QStringList names;
        for (int i = 0; i < 2000; ++i)
            names.append(QStringLiteral("FN:Name %1").arg(i));
        FakeExtractionHost host;
        host.inputs = {writeFile(m_dir.filePath("many.vcf"), names.join("\r\n").toUtf8())};
        host.choice = ConversionChoice::allFields();
        host.pieceBytes = 64;
        int stepsAtFirstLine = -1;
        host.onYield = [&] {
            if (stepsAtFirstLine < 0 && host.yields == 2) // before the first line
                stepsAtFirstLine = host.assemblySteps;
        };
        ExtractAllLines(host);
        QCOMPARE(stepsAtFirstLine, 0);
        QCOMPARE(host.lastAssembly, (QPair<qsizetype, qsizetype>{1999, 1999}));
        QCOMPARE(host.rows().size(), 2000);
        QCOMPARE(host.rows().last(), QStringLiteral("Name 1999"));
    }

    void allFields_passesAssemblyProgressToTheHost()
    {
        FakeExtractionHost host;
        host.inputs = {m_letters};
        host.choice = ConversionChoice::allFields();
        host.inputs = {writeFile(m_dir.filePath("names.vcf"), "FN:Ann\r\nFN:Bob\r\n")};
        ExtractAllLines(host);
        QCOMPARE(host.rows(), (QStringList{"Ann", "Bob"}));
        // The steps the host sees depend on how far ahead the worker was; the last value it always sees.
        QVERIFY(host.assemblySteps >= 1);
        QCOMPARE(host.lastAssembly, (QPair<qsizetype, qsizetype>{1, 1}));
    }

    void containing_andNotContaining_splitTheLinesBetweenThem()
    {
        FakeExtractionHost host;
        const QString mixed = writeVcf(m_dir, "mixed.vcf", {"Ann@Mail.example", "bob@web.example", "MAIL desk"});
        host.inputs = {mixed};
        host.texts[ExtractionText::ContainingText] = "mail";
        host.texts[ExtractionText::NotContainingText] = "mail";
        ExtractLinesContaining(host);
        QCOMPARE(host.rows(), (QStringList{"Ann@Mail.example", "MAIL desk"}));
        ExtractLinesNotContaining(host);
        QCOMPARE(host.rows(), QStringList{"bob@web.example"});
        QCOMPARE(host.yields, 2 * (1 + 3)); // every line yields, kept or not
    }

    void filterText_isReadForEveryLine()
    {
        FakeExtractionHost host;
        host.inputs = {m_letters};
        host.texts[ExtractionText::ContainingText] = "a";
        host.onYield = [&host] {
            if (host.yields == 3)
                host.texts[ExtractionText::ContainingText] = "b";
        };
        ExtractLinesContaining(host);
        QCOMPARE(host.rows(), (QStringList{"A", "B"})); // "b" was typed while the run yielded before line B
    }

    void lineCommands_refuseEmptyTextsBeforeLookingAtTheInputs_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("containing") << 0;
        QTest::newRow("not containing") << 1;
        QTest::newRow("by number") << 2;
    }

    void lineCommands_refuseEmptyTextsBeforeLookingAtTheInputs()
    {
        QFETCH(int, command);
        void (*const commands[])(ExtractionHost&) = {ExtractLinesContaining, ExtractLinesNotContaining,
                                                     ExtractLinesByNumber};
        FakeExtractionHost host;
        host.model.appendRow("kept");
        commands[command](host);
        QCOMPARE(host.messages, QStringList{kFillOutText});
        host.texts[ExtractionText::ContainingText] = " ";
        host.texts[ExtractionText::NotContainingText] = " ";
        host.texts[ExtractionText::LineNumbers] = "1";
        commands[command](host);
        QCOMPARE(host.messages, (QStringList{kFillOutText, kNoFiles}));
        QCOMPARE(host.rows(), QStringList{"kept"}); // the rows go only once the run really starts
        QVERIFY(!host.running);
    }

    void byNumber_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("help example") << "1,3,4" << QStringList{"A", "C", "D"} << QStringList();
        QTest::newRow("file order, not list order") << "4,1" << QStringList{"A", "D"} << QStringList();
        QTest::newRow("a line once however often listed") << "3,3" << QStringList{"C"} << QStringList();
        QTest::newRow("trailing comma reported once")
            << "1,2," << QStringList{"A", "B"} << QStringList{"Type mismatch"};
        QTest::newRow("dash reported, first number selects")
            << "2-5" << QStringList{"B"} << QStringList{"Type mismatch"};
        QTest::newRow("overflow reported") << "40000" << QStringList() << QStringList{"Overflow"};
        QTest::newRow("beyond the last line selects nothing") << "8,0" << QStringList() << QStringList();
    }

    void byNumber()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, errors);
        // Line numbers run on across the pieces of a file: a piece per line gives the same rows.
        for (const qsizetype pieceBytes : {kConversionPieceBytes, qsizetype(1)}) {
            FakeExtractionHost pieces;
            pieces.inputs = {m_letters, m_letters};
            pieces.pieceBytes = pieceBytes;
            pieces.texts[ExtractionText::LineNumbers] = list;
            ExtractLinesByNumber(pieces);
            QCOMPARE(pieces.rows(), rows + rows);
        }
        FakeExtractionHost host;
        host.inputs = {m_letters};
        host.texts[ExtractionText::LineNumbers] = list;
        host.onYield = [&host] {
            host.texts[ExtractionText::LineNumbers] = "7";
        }; // read once: no effect
        ExtractLinesByNumber(host);
        QCOMPARE(host.rows(), rows);
        QStringList reported;
        for (const auto& report : host.reporter.reports) {
            QCOMPARE(report.location, location("Form1.PushButton7_Click"));
            reported.append(report.description);
        }
        QCOMPARE(reported, errors);
        QCOMPARE(host.busyPointer.first(), true);
        QCOMPARE(host.busyPointer.last(), false);
    }

    void between_helpExample_andProgressResetAfterEveryFile()
    {
        FakeExtractionHost host;
        host.inputs = {m_rain, m_rain};
        host.texts[ExtractionText::StartMarker] = "p";
        host.texts[ExtractionText::EndMarker] = "n";
        ExtractBetweenMarkers(host);
        QCOMPARE(host.rows(), (QStringList{"pai", "plai", "pai", "plai"}));
        QCOMPARE(host.progressValues(), (QList<int>{50, 0, 100, 0}));
        QCOMPARE(host.busyPointer, (QList<bool>{true, false, true, false}));
        QCOMPARE(host.yields, 2); // once per file, none between stretches
        QCOMPARE(host.refreshes, 2 * 3); // after every stretch, and after the end of the stretches
    }

    void between_stretchSpansLines_andMarkersAreReadPerFile()
    {
        FakeExtractionHost host;
        const QString twoLines = writeVcf(m_dir, "two-lines.vcf", {"start X one", "two Y end"});
        host.inputs = {twoLines, twoLines};
        host.texts[ExtractionText::StartMarker] = "x";
        host.texts[ExtractionText::EndMarker] = "Y";
        host.onYield = [&host] {
            if (host.yields == 2)
                host.texts[ExtractionText::EndMarker] = "e";
        };
        ExtractBetweenMarkers(host);
        QCOMPARE(host.rows(), (QStringList{"X one\r\ntwo ", "X on"}));
    }

    void between_sameStretchesAgainInASecondRun()
    {
        FakeExtractionHost host;
        host.inputs = {m_rain};
        host.options.removeDuplicates = true;
        host.texts[ExtractionText::StartMarker] = "p";
        host.texts[ExtractionText::EndMarker] = "n";
        ExtractBetweenMarkers(host);
        ExtractBetweenMarkers(host);
        QCOMPARE(host.rows(), (QStringList{"pai", "plai"}));
    }

    void between_refusesAnEmptyMarker()
    {
        FakeExtractionHost host;
        host.inputs = {m_rain};
        host.model.appendRow("kept");
        host.texts[ExtractionText::StartMarker] = "p";
        ExtractBetweenMarkers(host);
        QCOMPARE(host.messages, QStringList{QStringLiteral(
                                    "Fill out starting text (or character) and fill out ending text (or character).")});
        QCOMPARE(host.rows(), QStringList{"kept"});
    }

    void textSets_offerOncePerMatchingItemAndAppend_data()
    {
        QTest::addColumn<bool>("removeDuplicates");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("every match listed") << false << QStringList{"old", "abc", "abc", "abc", "abc"};
        QTest::newRow("duplicates removed across runs") << true << QStringList{"old", "abc"};
    }

    void textSets_offerOncePerMatchingItemAndAppend()
    {
        QFETCH(bool, removeDuplicates);
        QFETCH(QStringList, rows);
        FakeExtractionHost host;
        host.inputs = {writeVcf(m_dir, "abc.vcf", {"abc", "xyz"})};
        host.items = {"AB", "bc"};
        host.options.removeDuplicates = removeDuplicates;
        host.model.appendRow("old");
        ExtractTextSets(host);
        ExtractTextSets(host);
        QCOMPARE(host.rows(), rows);
        QCOMPARE(host.hides, 2);
        QCOMPARE(host.progress.last(), (QPair<int, QString>{0, "Progress Bar"}));
    }

    void textSets_progressIsTruncated()
    {
        FakeExtractionHost host;
        host.inputs = {m_rain, m_rain, m_rain};
        host.items = {"rain"};
        ExtractTextSets(host);
        QCOMPARE(host.progressValues(), (QList<int>{33, 66, 100, 0}));
    }

    void textSets_withoutItems_rebuildsHeadersResetsAndHides()
    {
        FakeExtractionHost host;
        host.inputs = {m_rain};
        host.options.showSourceFilename = true;
        ExtractTextSets(host);
        QCOMPARE(host.messages, QStringList{QStringLiteral("Fill out combobox text to use to extract lines.")});
        QCOMPARE(host.model.columnCount(), 2);
        QCOMPARE(host.progress, (QList<QPair<int, QString>>{{0, "Progress Bar"}}));
        QCOMPARE(host.hides, 1);
    }

    void textSets_withoutFiles_staysOpen()
    {
        FakeExtractionHost host;
        host.items = {"a"};
        ExtractTextSets(host);
        QCOMPARE(host.messages, QStringList{kNoFiles});
        QCOMPARE(host.hides, 0);
        QCOMPARE(host.model.columnCount(), 1);
        QCOMPARE(host.model.headerData(0, Qt::Horizontal, ResultsModel::WidthTwipsRole).toInt(), 7300);
    }
};

QTEST_GUILESS_MAIN(TestExtractionCommands)
#include "TestExtractionCommands.moc"
