#include "cli/CliApplication.h"
#include "cli/CliExtractArguments.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;
using cardisto::test::writeFile;
using cardisto::test::writeVcf;

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun runExtract(const QStringList& arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    CliRun run;
    run.status = runCli(QStringList{"cardisto-cli", "extract"} + arguments, out, err);
    run.out = QString::fromUtf8(out.data());
    run.err = QString::fromUtf8(err.data());
    return run;
}

} // namespace

class TestCliExtract : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_previousFolder;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Inputs are given relative to the working folder, to see that entries stay exactly as given.
        m_previousFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        writeVcf("letters.vcf", {"A", "B", "C", "D", "E", "F", "G"});
        writeVcf("rain.vcf", {"The rain in spain falls mainly on the plain."});
        writeVcf("spaced.vcf", {" padded value ", "X one", "two Y"});
        writeVcf("copy.vcf", {"A", "Z"});
        QVERIFY(QDir().mkdir("folder"));
    }

    void cleanupTestCase() { QDir::setCurrent(m_previousFolder); }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no extraction chosen") << QStringList{"letters.vcf"} << "Choose what to extract";
        QTest::newRow("two extractions") << QStringList{"--all-lines", "--containing", "a", "letters.vcf"}
                                         << "Choose only one";
        QTest::newRow("markers without --between")
            << QStringList{"--all-lines", "--start", "a", "letters.vcf"} << "--start and --end belong to --between";
        QTest::newRow("missing value") << QStringList{"letters.vcf", "--containing"}
                                       << "Missing value for --containing";
        QTest::newRow("unknown option") << QStringList{"--all-lines", "--sort", "letters.vcf"}
                                        << "Unknown option: --sort";
        QTest::newRow("value on a switch")
            << QStringList{"--all-lines=yes", "letters.vcf"} << "--all-lines takes no value";
        QTest::newRow("unknown field group")
            << QStringList{"--fields", "faxes", "--all-lines", "letters.vcf"} << "Unknown field list: faxes";
        QTest::newRow("result file of another kind")
            << QStringList{"--all-lines", "--out", "r.csv", "letters.vcf"} << "--out needs a file name ending in .txt";
        QTest::newRow("folder without vCard files") << QStringList{"--all-lines", "folder"} << "No files added.";
        QTest::newRow("missing input") << QStringList{"--all-lines", "nowhere.vcf"} << "nowhere.vcf: File not found";
        QTest::newRow("missing list file")
            << QStringList{"--all-lines", "--list-file", "nowhere.txt"} << "nowhere.txt: File not found";
        QTest::newRow("no inputs") << QStringList{"--all-lines"} << "No files added.";
        QTest::newRow("empty filter text")
            << QStringList{"--containing", "", "letters.vcf"} << "Fill out text to use to extract lines.";
        QTest::newRow("empty filter before empty input list")
            << QStringList{"--line-numbers="} << "Fill out text to use to extract lines.";
        QTest::newRow("missing end marker") << QStringList{"--between", "--start", "p", "rain.vcf"}
                                            << "Fill out starting text (or character) and fill out ending text";
        QTest::newRow("only empty text-set items")
            << QStringList{"--text-set", "", "rain.vcf"} << "Fill out combobox text to use to extract lines.";
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRun run = runExtract(arguments);
        QCOMPARE(run.status, int(kCliUsage));
        QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QVERIFY(!run.err.contains("No files added.") || message == "No files added.");
    }

    void results_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::newRow("help example by number")
            << QStringList{"--fields", "emails", "--line-numbers", "1,3,4", "letters.vcf"} << "A\nC\nD\n";
        QTest::newRow("help example between")
            << QStringList{"--fields=emails", "--between", "--start", "p", "--end", "n", "rain.vcf"} << "pai\nplai\n";
        QTest::newRow("text kept as found, stretch keeps its CR LF")
            << QStringList{"--fields", "emails", "--between", "--start", "x", "--end", "Y", "spaced.vcf"}
            << "X one\r\ntwo \n";
        QTest::newRow("no trimming") << QStringList{"--fields", "emails", "--containing", "PADDED", "spaced.vcf"}
                                     << " padded value \n";
        QTest::newRow("source entry as given, TAB, result")
            << QStringList{"--fields", "emails", "--source", "--containing", "a", "./letters.vcf", "copy.vcf"}
            << "./letters.vcf\tA\ncopy.vcf\tA\n";
        QTest::newRow("duplicates removed across files")
            << QStringList{"--fields", "emails", "--dedupe", "--not-containing", "b", "letters.vcf", "copy.vcf"}
            << "A\nC\nD\nE\nF\nG\nZ\n";
        QTest::newRow("duplicates removed beside their source")
            << QStringList{"--fields", "emails",     "--dedupe", "--source",    "--text-set",
                           "a",        "--text-set", "z",        "letters.vcf", "copy.vcf"}
            << "letters.vcf\tA\ncopy.vcf\tZ\n";
        QTest::newRow("one row per matching item")
            << QStringList{"--fields", "emails", "--text-set", "rain", "--text-set", "SPAIN", "rain.vcf"}
            << QString("The rain in spain falls mainly on the plain.\n").repeated(2);
        QTest::newRow("value beginning with a dash")
            << QStringList{"--fields", "emails", "--containing", "-", "letters.vcf"} << "";
        QTest::newRow("after -- everything is an input")
            << QStringList{"--fields", "emails", "--all-lines", "--", "copy.vcf"} << "A\nZ\n";
    }

    void results()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        const CliRun run = runExtract(arguments);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, int(kCliOk));
        QCOMPARE(run.out, out);
    }

    void listFiles_addTheirRowsInCommandLineOrder()
    {
        writeFile("list.txt", "copy.vcf\r\nrain.vcf\r\n");
        const CliRun run = runExtract(
            {"--fields", "emails", "--source", "--all-lines", "letters.vcf", "--list-file", "list.txt", "copy.vcf"});
        QCOMPARE(run.status, int(kCliOk));
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 7 + 2 + 1 + 2);
        QCOMPARE(lines[7], QStringLiteral("copy.vcf\tA"));
        QCOMPARE(lines[9], QStringLiteral("rain.vcf\tThe rain in spain falls mainly on the plain."));
        QCOMPARE(lines[10], QStringLiteral("copy.vcf\tA"));
    }

    void folderInput_addsTheTreesVcfFilesAsTheButtonDoes()
    {
        QVERIFY(QDir().mkpath("tree/sub/deeper"));
        writeVcf("tree/b.vcf", {"B"});
        writeVcf("tree/A.VCF", {"A"});
        writeVcf("tree/~lock.vcf", {"skipped"});
        writeVcf("tree/notes.txt", {"not a vCard file"});
        writeVcf("tree/sub/deeper/d.vcf", {"D"});
        writeVcf("tree/sub/c.vcf", {"C"});
        QVERIFY(QFile::link("..", "tree/sub/up")); // a link loop: not followed
        const CliRun run = runExtract({"--fields", "emails", "--source", "--all-lines", "copy.vcf", "tree/"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, int(kCliOk));
        QCOMPARE(run.out, QStringLiteral("copy.vcf\tA\ncopy.vcf\tZ\ntree/A.VCF\tA\ntree/b.vcf\tB\ntree/sub/c.vcf\tC\n"
                                         "tree/sub/deeper/d.vcf\tD\n"));
    }

    void reportedErrors_exitWithOneAndKeepTheResults()
    {
        const CliRun run = runExtract({"--fields", "emails", "--line-numbers", "2-5,x", "letters.vcf"});
        QCOMPARE(run.status, int(kCliReportedError));
        QCOMPARE(run.out, QStringLiteral("B\n"));
        QCOMPARE(run.err.count("Application Error: Type mismatch"), 2);
        QVERIFY(run.err.contains("in Velmora2021/08/31.Form1.PushButton7_Click at line"));
    }

    void outTxt_writesTheAlignedTextFileOfTheResults()
    {
        const CliRun run =
            runExtract({"--fields", "emails", "--line-numbers", "1,3", "--out", "numbers.txt", "letters.vcf"});
        QCOMPARE(run.status, int(kCliOk));
        QCOMPARE(run.out, QString()); // the rows went to the file
        QFile file("numbers.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Results\t\r\nA      \t\r\nC      \t\r\n"));
    }

    void outXlsx_writesTextCellsWithTheSourceColumn()
    {
        writeVcf("formula.vcf", {"=1+2", "plain"});
        const CliRun run =
            runExtract({"--fields", "emails", "--source", "--all-lines", "--out", "r.xlsx", "formula.vcf"});
        QCOMPARE(run.status, int(kCliOk));
        QProcess python;
        python.start("/usr/bin/python3", {QStringLiteral(CARDISTO_XLSX_DUMP_SCRIPT), "r.xlsx"});
        if (!python.waitForStarted() || !python.waitForFinished(60000))
            QSKIP("python3 is not available");
        if (python.exitCode() == 77)
            QSKIP("python3 with openpyxl is not installed");
        QCOMPARE(python.exitCode(), 0);
        const QJsonArray rows =
            QJsonDocument::fromJson(python.readAllStandardOutput()).array().at(0).toObject().value("rows").toArray();
        auto cell = [&rows](int row, int column) {
            return rows.at(row).toArray().at(column).toObject();
        };
        QCOMPARE(rows.size(), 3);
        QCOMPARE(cell(0, 0).value("value").toString(), QStringLiteral("Source Filename"));
        QCOMPARE(cell(0, 1).value("value").toString(), QStringLiteral("Extraction Results"));
        QCOMPARE(cell(1, 0).value("value").toString(), QStringLiteral("formula.vcf"));
        QCOMPARE(cell(1, 1).value("value").toString(), QStringLiteral("=1+2"));
        QCOMPARE(cell(1, 1).value("type").toString(), QStringLiteral("s"));
        QCOMPARE(cell(2, 1).value("value").toString(), QStringLiteral("plain"));
    }

    void outFailure_isReportedOnceAndExitsWithOne()
    {
        QVERIFY(QDir().mkdir("taken.txt")); // a folder where the file should go
        const CliRun run = runExtract({"--fields", "emails", "--all-lines", "--out", "taken.txt", "letters.vcf"});
        QCOMPARE(run.status, int(kCliReportedError));
        QCOMPARE(run.err.count("Application Error"), 1);
        QVERIFY(run.err.contains("Main.SaveListviewProperlySpaced"));
        QVERIFY(QFileInfo("taken.txt").isDir());
    }

    void parser_keepsValuesAndOrder()
    {
        const CliExtractParse parsed = parseExtractArguments(
            {"a.vcf", "--containing=--x", "--list-file", "l.txt", "--fields", "names,phones", "-", "--dedupe"});
        QVERIFY2(parsed.request, qPrintable(parsed.error));
        const CliExtractRequest& request = *parsed.request;
        QCOMPARE(request.extraction, CliExtraction::Containing);
        QCOMPARE(request.text, QStringLiteral("--x"));
        QVERIFY(request.removeDuplicates);
        QVERIFY(!request.showSource);
        QCOMPARE(request.choice.mode, FieldMode::SomeFields);
        QCOMPARE(request.choice.groups, (FieldGroups{false, true, true, false}));
        using Kind = CliInputSource::Kind;
        QCOMPARE(request.inputs,
                 (QList<CliInputSource>{{Kind::Input, "a.vcf"}, {Kind::ListFile, "l.txt"}, {Kind::Input, "-"}}));
    }
};

QTEST_GUILESS_MAIN(TestCliExtract)
#include "TestCliExtract.moc"
