// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliApplication.h"
#include "cli/CliExtractArguments.h"
#include "support/TestFiles.h"
#include "support/Wine.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

// Runs a bash command line in the working folder, $CLI being the built cardisto-cli, as a script would.
// Windows has no bash: the cases that run one are left to the Linux build, and tools/windows/test.sh
// compares cardisto-cli.exe with the Linux program over real vCards instead.
constexpr bool kBash =
#ifdef Q_OS_WIN
    false;
#else
    true;
#endif
#define SKIP_WITHOUT_BASH()                                                                                  \
    if (!kBash)                                                                                              \
    QSKIP("no bash on Windows: tools/windows/test.sh runs cardisto-cli.exe as a script would")

// A command line of the built program without any shell syntax ("$CLI" and plain words) is run
// directly, without bash, so that the Windows build runs it too.
bool isPlainCommand(const QString& command)
{
    static const QRegularExpression shellSyntax(QStringLiteral(R"([|>;$"'])"));
    return command.startsWith(QStringLiteral("$CLI ")) && !command.mid(5).contains(shellSyntax);
}

// Feeds a started process its standard input and collects what it wrote and how it ended.
CliRun finishRun(QProcess& process, const QByteArray& input)
{
    process.write(input);
    process.closeWriteChannel();
    CliRun run;
    if (!process.waitForFinished(60000))
        process.kill();
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

CliRun runPlainCommand(const QString& command, const QByteArray& input)
{
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/cardisto-cli"),
              command.mid(5).split(u' ', Qt::SkipEmptyParts));
    return finishRun(cli, input);
}

// A file of the source tree. Its path has no drive letter in the Windows build made on Linux:
// the tree lies on the drive of this program (Wine's Z:).
QString sourceFile(const QString& relative)
{
    QString path = QStringLiteral(CARDISTO_SOURCE_DIR "/") + relative;
#ifdef Q_OS_WIN
    if (path.startsWith(u'/') && !path.startsWith(QStringLiteral("//")))
        path.prepend(QCoreApplication::applicationDirPath().left(2));
#endif
    return path;
}

// Paths as cardisto-cli writes them: with the system's separators.
QString native(const QString& text)
{
    return QDir::toNativeSeparators(text);
}

CliRun runShell(const QString& command, const QByteArray& input = {})
{
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CLI", QStringLiteral(CARDISTO_BINARY_DIR "/cardisto-cli"));
    shell.setProcessEnvironment(environment);
    shell.start("/bin/bash", {"-c", command});
    return finishRun(shell, input);
}

// The text between the two lines that mark a block of a document, such as "<!-- extract --help -->"
// and the closing fence after it.
QString markedBlock(const QString& document, const QString& marker)
{
    const qsizetype start = document.indexOf(marker);
    if (start < 0)
        return {};
    const qsizetype open = document.indexOf(QStringLiteral("```\n"), start);
    const qsizetype close = document.indexOf(QStringLiteral("\n```"), open + 4);
    return open < 0 || close < 0 ? QString() : document.mid(open + 4, close - open - 3);
}

// A troff page as plain words: requests and font escapes gone, "\-" a dash, blanks collapsed.
QString manPageWords(const QString& page)
{
    QStringList lines;
    for (const QString& line : page.split(u'\n')) {
        if (!line.startsWith(u'.') || line.startsWith(QStringLiteral(".B ")) || line.startsWith(QStringLiteral(".I ")))
            lines.append(line.startsWith(u'.') ? line.mid(3) : line);
    }
    QString text = lines.join(u' ');
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"))
        .replace(QStringLiteral("\\fB"), QString())
        .replace(QStringLiteral("\\fI"), QString())
        .replace(QStringLiteral("\\fR"), QString())
        .replace(QStringLiteral("\\(aq"), QStringLiteral("'"))
        .replace(QStringLiteral("\\e"), QStringLiteral("\\"))
        .replace(QStringLiteral("\\&"), QString());
    return text.simplified();
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
        writeFile("people.vcf", "BEGIN:VCARD\r\nN:Doe;Jane\r\nFN:Jane Doe\r\nEMAIL;TYPE=HOME:jane@example.org\r\n"
                                "TEL;CELL:+49 30 1234\r\nNOTE:=1+2\r\nEND:VCARD\r\n"
                                "BEGIN:VCARD\r\nFN:Acme\r\nEMAIL:info@acme.example\r\nEND:VCARD\r\n");
        QVERIFY(QDir().mkdir("folder"));
    }

    void cleanupTestCase()
    {
        QFile::setPermissions("locking/locked",
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir::setCurrent(m_previousFolder);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no extraction chosen") << QStringList{"letters.vcf"} << "extract: Choose what to extract";
        QTest::newRow("two extractions") << QStringList{"--all-lines", "--containing", "a", "letters.vcf"}
                                         << "extract: Choose only one";
        QTest::newRow("markers without --between") << QStringList{"--all-lines", "--start", "a", "letters.vcf"}
                                                   << "extract: --start and --end belong to --between";
        QTest::newRow("missing value") << QStringList{"letters.vcf", "--containing"}
                                       << "extract: Missing value after '--containing'.";
        QTest::newRow("unknown option") << QStringList{"--all-lines", "--sort", "letters.vcf"}
                                        << "extract: Unknown option 'sort'.";
        QTest::newRow("value on a switch")
            << QStringList{"--all-lines=yes", "letters.vcf"} << "extract: Unexpected value after '--all-lines'.";
        QTest::newRow("unknown field group")
            << QStringList{"--fields", "faxes", "--all-lines", "letters.vcf"} << "extract: Unknown field list: faxes";
        QTest::newRow("result file of another kind") << QStringList{"--all-lines", "--out", "r.csv", "letters.vcf"}
                                                     << "extract: --out needs a file name ending in .txt";
        QTest::newRow("folder without vCard files")
            << QStringList{"--all-lines", "folder"} << "extract: No files added.";
        QTest::newRow("missing input") << QStringList{"--all-lines", "nowhere.vcf"} << "nowhere.vcf: File not found";
        QTest::newRow("missing list file")
            << QStringList{"--all-lines", "--list-file", "nowhere.txt"} << "nowhere.txt: File not found";
        QTest::newRow("missing row of a list file")
            << QStringList{"--all-lines", "--list-file", "gone-list.txt"} << "gone.vcf: File not found";
        QTest::newRow("no inputs") << QStringList{"--all-lines"} << "extract: No files added.";
        QTest::newRow("empty filter text")
            << QStringList{"--containing", "", "letters.vcf"} << "extract: Fill out text to use to extract lines.";
        QTest::newRow("empty filter before empty input list")
            << QStringList{"--line-numbers="} << "extract: Fill out text to use to extract lines.";
        QTest::newRow("missing end marker")
            << QStringList{"--between", "--start", "p", "rain.vcf"}
            << "extract: Fill out starting text (or character) and fill out ending text (or character).";
        QTest::newRow("only empty text-set items")
            << QStringList{"--text-set", "", "rain.vcf"} << "extract: Fill out combobox text to use to extract lines.";
        QTest::newRow("standard input twice") << QStringList{"--all-lines", "-", "--list-file", "-"}
                                              << "extract: Standard input (\"-\") can be read only once.";
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        writeFile("gone-list.txt", "gone.vcf\n");
        const CliRun run = runExtract(arguments);
        QCOMPARE(run.status, int(kCliUsage));
        // One line, nothing more: no "No files added." after a missing input.
        QVERIFY2(run.err.startsWith("cardisto-cli: " + message), qPrintable(run.err));
        QCOMPARE(run.err.count(u'\n'), 1);
        QCOMPARE(run.out, QString());
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
            << native("./letters.vcf\tA\ncopy.vcf\tA\n"); // .\letters.vcf on Windows
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
        QCOMPARE(run.out, native("copy.vcf\tA\ncopy.vcf\tZ\ntree/A.VCF\tA\ntree/b.vcf\tB\ntree/sub/c.vcf\tC\n"
                                 "tree/sub/deeper/d.vcf\tD\n"));
    }

    void reportedErrors_exitWithOneAndKeepTheResults()
    {
        const CliRun run = runExtract({"--fields", "emails", "--line-numbers", "2-5,x", "letters.vcf"});
        QCOMPARE(run.status, int(kCliReportedError));
        QCOMPARE(run.out, QStringLiteral("B\n"));
        QCOMPARE(run.err, QStringLiteral("cardisto-cli: --line-numbers: piece \"2-5\": Type mismatch\n"
                                         "cardisto-cli: --line-numbers: piece \"x\": Type mismatch\n"));
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
        QVERIFY(QFileInfo("r.xlsx").size() > 0);
        if (test::runningUnderWine())
            QSKIP("no workbook reader under Wine: a Linux program started there cannot be waited for");
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
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.startsWith("cardisto-cli: write error: Cannot create taken.txt"), qPrintable(run.err));
        QVERIFY(QFileInfo("taken.txt").isDir());
    }

    // Through the real program, as a script runs it: standard streams, pipes and exit statuses.
    void program_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("status");
        const QString full = QStringLiteral("cardisto-cli: write error: No space left on device\n");
        QTest::newRow("extract to a full disk")
            << "$CLI extract --fields emails --all-lines letters.vcf > /dev/full" << QByteArray() << "" << full << 1;
        QTest::newRow("convert to a full disk")
            << "$CLI convert --fields emails letters.vcf > /dev/full" << QByteArray() << "" << full << 1;
        QTest::newRow("help to a full disk") << "$CLI extract --help > /dev/full" << QByteArray() << "" << full << 1;
        // More than a pipe holds, so the reader is gone while results are still being written.
        QTest::newRow("reader goes away")
            << "$CLI extract --fields emails --all-lines many.vcf many.vcf | head -1; exit ${PIPESTATUS[0]}"
            << QByteArray() << "line 0\n"
            << "" << 0;
        QTest::newRow("reader goes away: no note either")
            << "$CLI extract --fields emails --all-lines - many.vcf many.vcf | head -1; exit ${PIPESTATUS[0]}"
            << QByteArray("EMAIL:a@exam\r\n ple.org\r\n") << "a@exam\n"
            << "" << 0;
        QTest::newRow("standard input among files")
            << "$CLI extract --fields emails --source --all-lines copy.vcf -" << QByteArray("EMAIL:x\r\nEMAIL:y")
            << "copy.vcf\tA\ncopy.vcf\tZ\n-\tx\n-\ty\n"
            << "" << 0;
        QTest::newRow("convert standard input")
            << "$CLI convert --fields emails -" << QByteArray("EMAIL:x\r\nEMAIL:y\r\n") << "x\r\ny"
            << "" << 0;
        // Address values keep the CR of their line: standard input must be read as bytes.
        QTest::newRow("convert standard input that keeps a CR") << "$CLI convert --fields addresses -"
                                     << QByteArray("ADR:;;Main St;Town;;12345;Land\r\n")
                                     << "Main St\r\nTown\r\n12345\r\nLand\r"
                                     << "" << 0;
        // Lines --decode would read otherwise are counted in a note; the exit status stays 0.
        const QByteArray folded("EMAIL:ann@exam\r\n ple.org\r\nitem1.EMAIL:bo@x.org\r\nTEL:1\r\n");
        QTest::newRow("note on lines --decode reads otherwise")
            << "$CLI extract --fields emails --all-lines -" << folded << "ann@exam\n"
            << "cardisto-cli: note: 2 lines were folded, quoted-printable or grouped (item1.EMAIL) and read as "
               "written: --decode reads them (--quiet keeps this to itself)\n"
            << 0;
        QTest::newRow("no note with --quiet")
            << "$CLI extract --fields emails --all-lines --quiet -" << folded << "ann@exam\n" << "" << 0;
        QTest::newRow("no note with --decode")
            << "$CLI extract --fields emails --all-lines --decode -" << folded << "ann@example.org\nbo@x.org\n" << ""
            << 0;
        QTest::newRow("standard input that is no text")
            << "$CLI extract --all-lines -" << QByteArray(100, '\0') << ""
            << "cardisto-cli: Extract1.ReadVCFAllFields at line 100: Cannot read -: it is not a text file (it holds "
               "NUL bytes).\n"
            << 1;
        QTest::newRow("list file on standard input")
            << "$CLI extract --fields emails --all-lines --list-file - letters.vcf"
            << QByteArray("copy.vcf\nrain.vcf\n")
            << "A\nZ\nThe rain in spain falls mainly on the plain.\nA\nB\nC\nD\nE\nF\nG\n"
            << "" << 0;
        QTest::newRow("missing input among good ones")
            << "$CLI extract --fields emails --all-lines copy.vcf nowhere.vcf copy.vcf" << QByteArray()
            << "A\nZ\nA\nZ\n"
            << "cardisto-cli: nowhere.vcf: File not found\n"
            << 2;
        QTest::newRow("convert a missing file") << "$CLI convert nowhere.vcf" << QByteArray() << ""
                                                << "cardisto-cli: nowhere.vcf: File not found\n"
                                                << 2;
        QTest::newRow("bad --line-numbers")
            << "$CLI extract --fields emails --line-numbers 1,abc,99999 letters.vcf" << QByteArray() << "A\n"
            << "cardisto-cli: --line-numbers: piece \"abc\": Type mismatch\n"
               "cardisto-cli: --line-numbers: piece \"99999\": Overflow\n"
            << 1;
        QTest::newRow("name that does not decode")
            << "printf 'EMAIL:A' > \"$(printf 'caf\\351.vcf')\"; "
               "$CLI extract --fields emails --source --all-lines \"$(printf 'caf\\351.vcf')\"; "
               "status=$?; rm \"$(printf 'caf\\351.vcf')\"; exit $status"
            << QByteArray() << "caf\\xE9.vcf\tA\n"
            << "cardisto-cli: caf\\xE9.vcf: the name is no valid text; read, and shown with its bytes escaped\n"
            << 1;
        QTest::newRow("missing name that does not decode")
            << "$CLI convert \"$(printf 'gone\\377.vcf')\"" << QByteArray() << ""
            << "cardisto-cli: gone\\xFF.vcf: File not found\n"
            << 2;
        const QString header = "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,"
                               "Phonetic Last Name,Name Prefix,Name Suffix,Nickname,File As,Organization Name,"
                               "Organization Title,Organization Department,Birthday,Notes,Photo,Labels";
        QTest::newRow("table: a row per contact, formulas guarded, phone numbers kept")
            << "$CLI table people.vcf" << QByteArray()
            << header + ",E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value\r\n"
                        "Jane,,Doe,,,,,,,Jane Doe,,,,,'=1+2,,,Home,jane@example.org,Mobile,+49 30 1234\r\n"
                        ",,,,,,,,,Acme,,,,,,,,,info@acme.example,,\r\n"
            << "" << 0;
        QTest::newRow("table: JSON Lines of standard input with its source")
            << "$CLI table --format jsonl --source -" << QByteArray("BEGIN:VCARD\nFN:X\nEMAIL:x@example.org\n")
            << "{\"source\":\"-\",\"firstName\":\"\",\"middleName\":\"\",\"lastName\":\"\",\"phoneticFirstName\":\"\","
               "\"phoneticMiddleName\":\"\",\"phoneticLastName\":\"\",\"namePrefix\":\"\",\"nameSuffix\":\"\","
               "\"nickname\":\"\",\"fileAs\":\"X\",\"organizationName\":\"\",\"organizationTitle\":\"\","
               "\"organizationDepartment\":\"\",\"birthday\":\"\",\"notes\":\"\",\"labels\":[],"
               "\"emails\":[{\"type\":\"\",\"value\":\"x@example.org\"}],\"phones\":[],\"addresses\":[],"
               "\"websites\":[]}\n"
            << "" << 0;
        QTest::newRow("table: TSV by --out's name, duplicates left out, a missing input")
            << "$CLI table --dedupe --out t.tsv people.vcf nowhere.vcf people.vcf; status=$?; cut -f1,10 t.tsv; "
               "exit $status"
            << QByteArray() << "First Name\tFile As\nJane\tJane Doe\n\tAcme\n"
            << "cardisto-cli: nowhere.vcf: File not found\n"
            << 2;
        QTest::newRow("table: byte-order mark")
            << "$CLI table --bom people.vcf | head -c 13" << QByteArray() << "\uFEFFFirst Name"
            << "" << 0;
        QTest::newRow("table: input that is no text, reported once")
            << "$CLI table -" << QByteArray(100, '\0') << header + "\r\n"
            << "cardisto-cli: Extract1.ReadVCFContacts at line 100: Cannot read -: it is not a text file (it holds "
               "NUL bytes).\n"
            << 1;
        QTest::newRow("table: reader goes away")
            << "$CLI table --format tsv manypeople.vcf | head -c 10; exit ${PIPESTATUS[0]}" << QByteArray()
            << "First Name"
            << "" << 0;
        QTest::newRow("table to a full disk") << "$CLI table people.vcf > /dev/full" << QByteArray() << "" << full << 1;
        QTest::newRow("table: a workbook needs a file")
            << "$CLI table --format xlsx people.vcf" << QByteArray() << ""
            << "cardisto-cli: table: A workbook is written to a file: give --out FILE.xlsx.\n"
            << 2;
        QTest::newRow("unknown command")
            << "$CLI sort" << QByteArray() << ""
            << "cardisto-cli: sort: unknown command (convert, extract or table; see --help)\n"
            << 2;
    }

    void program()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, input);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, status);
        const bool plain = isPlainCommand(command);
        if (!plain)
            SKIP_WITHOUT_BASH();
        if (!QFile::exists("many.vcf")) {
            QStringList lines;
            QByteArray people;
            for (int i = 0; i < 20000; ++i) {
                lines.append(QStringLiteral("line %1").arg(i));
                people += "BEGIN:VCARD\r\nFN:Person " + QByteArray::number(i) + "\r\nEND:VCARD\r\n";
            }
            writeVcf("many.vcf", lines);
            writeFile("manypeople.vcf", people);
        }
        const CliRun run = plain && !kBash ? runPlainCommand(command, input) : runShell(command, input);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, status);
    }

    // A folder that cannot be listed, or listed but not entered, is reported by path; the rest of
    // the tree is still read.
    void unreadableFolders_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("permissions"); // of locking/locked
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const int unlistable = QFileDevice::WriteOwner;
        const int unenterable = QFileDevice::ReadOwner | QFileDevice::ReadOther;
        QTest::newRow("sub-folder") << "locking" << unlistable << "locking/a.vcf\tA\nlocking/open/b.vcf\tB\n"
                                    << "cardisto-cli: locking/locked: Permission denied\n";
        QTest::newRow("top folder") << "locking/locked" << unlistable << ""
                                    << "cardisto-cli: locking/locked: Permission denied\n";
        QTest::newRow("sub-folder that lists but cannot be entered")
            << "locking" << unenterable << "locking/a.vcf\tA\nlocking/open/b.vcf\tB\n"
            << "cardisto-cli: locking/locked: Permission denied\n";
    }

    void unreadableFolders()
    {
        QFETCH(QString, input);
        QFETCH(int, permissions);
        QFETCH(QString, out);
        QFETCH(QString, err);
        SKIP_WITHOUT_BASH();
        QVERIFY(QDir().mkpath("locking/locked") && QDir().mkpath("locking/open"));
        writeVcf("locking/a.vcf", {"A"});
        writeVcf("locking/open/b.vcf", {"B"});
        writeVcf("locking/locked/c.vcf", {"C"});
        QFile::setPermissions("locking/locked", QFileDevice::Permissions(permissions));
        // The superuser lists every folder: the program then runs as nobody.
        QString runAs;
#ifdef Q_OS_UNIX
        if (::geteuid() == 0) {
            if (QStandardPaths::findExecutable("setpriv").isEmpty())
                QSKIP("running as the superuser without setpriv");
            QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther);
            runAs = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        }
#endif
        const CliRun run = runShell(runAs + "$CLI extract --fields emails --source --all-lines " + input);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, 1);
    }

    // The help of every command is the text of docs/command-line.md, and the man page describes
    // every option and exit status in the same words.
    void help_isTheDocumentedText_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("overview") << "--help";
        QTest::newRow("convert") << "convert --help";
        QTest::newRow("extract") << "extract --help";
        QTest::newRow("table") << "table --help";
    }

    void help_isTheDocumentedText()
    {
        QFETCH(QString, command);
        // Started directly, without a shell, so that the Windows build checks its help too; found
        // beside this program, as the build folder's path has no drive letter under Wine.
        QProcess cli;
        cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/cardisto-cli"), command.split(u' '));
        QVERIFY(cli.waitForFinished(60000));
        const CliRun run{cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
                         QString::fromUtf8(cli.readAllStandardError())};
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        const QString document = QString::fromUtf8(test::readFile(sourceFile("docs/command-line.md")));
        QCOMPARE(markedBlock(document, "<!-- cardisto-cli " + command + " -->"), run.out);
        const QString manPage =
            manPageWords(QString::fromUtf8(test::readFile(sourceFile("docs/man/cardisto-cli.1"))));
        // Each option line and exit status of the help, its words in the man page.
        for (const QString& line : run.out.split(u'\n')) {
            const QString words = line.simplified();
            if (line.startsWith(QStringLiteral("  -")) || QRegularExpression("^  [012]  ").match(line).hasMatch())
                QVERIFY2(manPage.contains(words), qPrintable(words));
        }
    }

    void parser_keepsValuesAndOrder()
    {
        const CliExtractParse parsed =
            parseExtractArguments({"a.vcf", "--containing=--x", "--list-file", "l.txt", "--fields", "names,phones", "-",
                                   "--dedupe", "--list-file=m.txt", "--decode", "--", "--b.vcf"});
        QVERIFY2(parsed.request, qPrintable(parsed.error));
        const CliExtractRequest& request = *parsed.request;
        QCOMPARE(request.extraction, CliExtraction::Containing);
        QCOMPARE(request.text, QStringLiteral("--x"));
        QVERIFY(request.removeDuplicates);
        QVERIFY(!request.showSource);
        QVERIFY(request.choice.decodeLines);
        QCOMPARE(request.choice.mode, FieldMode::SomeFields);
        QCOMPARE(request.choice.groups, (FieldGroups{false, true, true, false}));
        using Kind = CliInputSource::Kind;
        QCOMPARE(request.inputs, (QList<CliInputSource>{{Kind::Input, "a.vcf"},
                                                        {Kind::ListFile, "l.txt"},
                                                        {Kind::Input, "-"},
                                                        {Kind::ListFile, "m.txt"},
                                                        {Kind::Input, "--b.vcf"}}));
    }
};

QTEST_GUILESS_MAIN(TestCliExtract)
#include "TestCliExtract.moc"
