// SPDX-License-Identifier: GPL-3.0-or-later
// Input files that are not what a vCard file should be, each listed between two good files and run
// through "Extract All Lines" of the real main window in both field modes, and through
// cardisto-cli: what the user sees, and that the run goes on with the next file.

#include "BinaryContent.h"
#include "HardeningWindow.h"
#include "PipeWatch.h"
#include "extraction/RunReport.h"
#include "inputs/FolderScan.h"
#include "support/PermissionsBind.h"

#include <QProcess>
#include <optional>
#include <sys/stat.h>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace cardisto;
using namespace cardisto::test;

namespace {

enum class InputKind { Bytes, Folder, Vanished, Pipe, Device, Unreadable };

const QByteArray kCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEMAIL;TYPE=INTERNET:ann@x\r\n"
                         "END:VCARD\r\n";
const QStringList kCardAllFields{"Ann Lee", "Lee", "Ann", "ann@x"};
const QStringList kCardSomeFields{"Lee", "Ann", "ann@x"};

const QString kNotText = QStringLiteral("Cannot read %1: it is not a text file (it holds NUL bytes).");
const QString kNotAFile = QStringLiteral("Cannot read %1: it is a pipe or a device, not a file.");

QStringList repeated(const QStringList& list, int times)
{
    QStringList result;
    for (int i = 0; i < times; ++i)
        result += list;
    return result;
}

struct CliRun {
    bool finished = false;
    int status = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(CARDISTO_BINARY_DIR "/cardisto-cli"), arguments);
    CliRun run;
    run.finished = cli.waitForFinished(60000);
    if (!run.finished) {
        cli.kill();
        cli.waitForFinished();
    }
    run.status = cli.exitCode();
    run.out = QString::fromUtf8(cli.readAllStandardOutput());
    run.err = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

// cardisto-cli ends its message lines with LF on every system, as it does its results.
const QString kMessageLineEnd = QStringLiteral("\n");

// The error box's report as cardisto-cli writes it to standard error: one line, the procedure and
// statement as context.
QString cliErrorText(const QString& description, const QString& procedure)
{
    return QStringLiteral("cardisto-cli: Extract1.%1 at line %2: %3")
               .arg(procedure)
               .arg(kFirstStatement)
               .arg(description) +
           kMessageLineEnd;
}

} // namespace

Q_DECLARE_METATYPE(InputKind)

class TestHardeningBadInputFiles : public QObject {
    Q_OBJECT
private:
    // Makes the input of one case in the window's folder and returns its path.
    static QString makeInput(HardeningWindow& w, InputKind kind, const QByteArray& bytes)
    {
        const QString path = w.pathOf(QStringLiteral("bad.vcf"));
        switch (kind) {
        case InputKind::Folder:
            if (!QDir(w.folder()).mkdir(QStringLiteral("bad.vcf")))
                qFatal("cannot make the folder");
            break;
        case InputKind::Pipe:
            if (!makeNamedPipe(path))
                qFatal("cannot make the pipe");
            break;
        case InputKind::Device:
            // Windows' console: every folder seems to hold it, and reading it waits for the keyboard.
            return w.pathOf(QStringLiteral("CON"));
        case InputKind::Bytes:
        case InputKind::Vanished:
        case InputKind::Unreadable:
            w.writeFile(QStringLiteral("bad.vcf"), bytes);
            break;
        }
        if (kind == InputKind::Unreadable && ::chmod(QFile::encodeName(path).constData(), 0) != 0)
            qFatal("cannot take the permissions");
        return path;
    }

private Q_SLOTS:
    void badInput_data()
    {
        QTest::addColumn<InputKind>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("allFieldsRows");
        QTest::addColumn<QStringList>("someFieldsRows");
        QTest::addColumn<QString>("error"); // the description, %1 standing for the path; empty for none

        const auto bytes = [](const char* name, const QByteArray& content, const QStringList& all = {},
                              const QStringList& some = {}, const QString& error = {}) {
            QTest::newRow(name) << InputKind::Bytes << content << all << some << error;
        };
        bytes("PNG image", pngImage(), {}, {}, kNotText);
        bytes("JPEG image", jpegImage(), {}, {}, kNotText);
        bytes("random bytes", randomBytes(20240531, 65536), {}, {}, kNotText);
        bytes("all zero bytes", QByteArray(65536, '\0'), {}, {}, kNotText);
        // Without its byte-order mark UTF-16 is told by where its NUL bytes stand.
        bytes("UTF-16 without byte-order mark", utf16LittleEndian(kCard), kCardAllFields, kCardSomeFields);
        bytes("UTF-16 big-endian without byte-order mark", QByteArray(1, '\0') + utf16LittleEndian(kCard).chopped(1),
              kCardAllFields, kCardSomeFields);
        // A stray NUL in a readable export stays in its value instead of costing every contact.
        bytes("vCard with a stray NUL", QByteArray(kCard).replace("ann@x", QByteArray("ann@\0x", 6)),
              {"Ann Lee", "Lee", "Ann", QString::fromUtf8("ann@\0x", 6)}, {"Lee", "Ann", QString::fromUtf8("ann@\0x", 6)});
        // A damaged tail of zero bytes (as a crash can leave) does not cost the contacts before it, once
        // they fill more than the start that tells text from binary data.
        const int cards = 100;
        bytes("vCard with a tail of zero bytes", kCard.repeated(cards) + QByteArray(20000, '\0'),
              repeated(kCardAllFields, cards), repeated(kCardSomeFields, cards));
        // Bytes that are no UTF-8 are read as Windows-1252, so nothing is lost.
        bytes("invalid UTF-8", "FN:Jos\xe9 \xc3\x28Ruiz\r\nEMAIL;TYPE=INTERNET:j\xf6rg@x\r\nNOTE;X=Y:cut \xe2\x82",
              {"Jos\u00e9 \u00c3(Ruiz", "j\u00f6rg@x", "cut \u00e2\u201a"}, {"j\u00f6rg@x"});
        bytes("lone UTF-16 byte-order mark", "\xff\xfe");
        bytes("lone UTF-16 big-endian byte-order mark", "\xfe\xff");
        bytes("lone UTF-8 byte-order mark", "\xef\xbb\xbf");
        bytes("UTF-16 of odd length", "\xff\xfe" + utf16LittleEndian(kCard) + "Z", kCardAllFields, kCardSomeFields);
        bytes("UTF-16 of odd length, last line unended",
              "\xff\xfe" + utf16LittleEndian("BEGIN:VCARD\r\nEMAIL;TYPE=INTERNET:ann@x") + "\n", {"ann@x"}, {"ann@x"});

        QTest::newRow("folder named like a vCard file")
            << InputKind::Folder << QByteArray() << QStringList() << QStringList()
            << QStringLiteral("Cannot read %1: it is a folder, not a file.");
        // A file that is gone by the time the run reaches it contributes nothing, like an empty one.
        QTest::newRow("path that vanished after it was added")
            << InputKind::Vanished << kCard << QStringList() << QStringList() << QString();
        if (kNamedPipesInFileSystem)
            QTest::newRow("named pipe") << InputKind::Pipe << QByteArray() << QStringList() << QStringList() << kNotAFile;
        else
            // No file at all, as a missing one: nothing, no message, and no wait for the keyboard.
            QTest::newRow("reserved device name CON")
                << InputKind::Device << QByteArray() << QStringList() << QStringList() << QString();
        QTest::newRow("file without read permission")
            << InputKind::Unreadable << kCard << QStringList() << QStringList()
            << QStringLiteral("Cannot open %1: Permission denied");
    }

    void badInput()
    {
        QFETCH(InputKind, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, allFieldsRows);
        QFETCH(QStringList, someFieldsRows);
        QFETCH(QString, error);
        HardeningWindow w;
        const QString before = w.writeContacts(QStringLiteral("a-before.vcf"), {"before@x"});
        const QString input = makeInput(w, kind, bytes);
        const QString after = w.writeContacts(QStringLiteral("c-after.vcf"), {"after@x"});
        std::optional<PipeWatch> watch;
        if (kind == InputKind::Pipe)
            watch.emplace(input);
        w.platform.chooseFiles({before, input, after});
        w.click("PushButton1");
        QCOMPARE(w.form().inputFiles().texts(), (QStringList{before, input, after}));
        if (kind == InputKind::Vanished)
            QVERIFY(QFile::remove(input));
        std::optional<PermissionsBind> bind;
        if (kind == InputKind::Unreadable) {
            bind.emplace(w.folder());
            if (!bind->binds())
                QSKIP(qPrintable(bind->whyNot()));
        }

        for (const bool allFields : {true, false}) {
            allFields ? w.takeAllFields() : w.takeEveryFieldGroup();
            w.platform.boxes.clear();
            w.click("PushButton13");

            QCOMPARE(w.resultRows(),
                     QStringList{"before@x"} + (allFields ? allFieldsRows : someFieldsRows) + QStringList{"after@x"});
            // A file that is plainly no vCard is an expected condition: a plain message names it.
            const bool refused = error == kNotText;
            QCOMPARE(w.platform.errors(), error.isEmpty() || refused
                                              ? QStringList()
                                              : QStringList{w.conversionErrorBox(error.arg(input))});
            QCOMPARE(w.platform.messages(), refused ? QStringList{refusedFilesMessage({input})} : QStringList());
            QVERIFY(!w.form().isBusy());
        }
        if (watch)
            QVERIFY2(!watch->readerWasWaiting(), "the run waited for a writer on the pipe");
        bind.reset();
        ::chmod(QFile::encodeName(input).constData(), 0600);
    }

    void filesThatAreNoVcards_areNamedInOneMessagePerRun_data()
    {
        QTest::addColumn<bool>("textSetWindow"); // its run, or "Extract All Lines" of the main window
        QTest::addColumn<int>("images");
        QTest::newRow("main window, 3 images") << false << 3;
        QTest::newRow("main window, 23 images: 20 named, 3 counted") << false << 23;
        QTest::newRow("a tool window, 3 images") << true << 3;
    }
    // Every run names the images it met in one message at its end, instead of an error box each;
    // the vCard files among them are read as ever.
    void filesThatAreNoVcards_areNamedInOneMessagePerRun()
    {
        QFETCH(bool, textSetWindow);
        QFETCH(int, images);
        HardeningWindow w;
        QStringList listed{w.writeContacts(QStringLiteral("first.vcf"), {"first@x"})};
        for (int i = 0; i < images; ++i)
            listed.append(w.writeFile(QStringLiteral("photo%1.png").arg(i), pngImage()));
        w.listFiles(listed);
        QPushButton* run = w.control<QPushButton>("PushButton13");
        if (textSetWindow) {
            w.platform.enterText("@");
            w.openTextSetWindow()->findChild<QPushButton*>("PushButton2")->click();
            run = w.openTextSetWindow()->findChild<QPushButton*>("PushButton4");
        }
        for (int round = 1; round <= 2; ++round) {
            w.platform.boxes.clear();
            run->click();
            QVERIFY(w.resultRows().contains("first@x"));
            QVERIFY(w.platform.errors().isEmpty());
            QCOMPARE(w.platform.messages(), QStringList{refusedFilesMessage(listed.mid(1))});
        }
        const QString end = images > 20 ? "\r" + listed[20] + "\rand 3 more" : QString("\r" + listed.last());
        QVERIFY(w.platform.messages()[0].endsWith(end));
    }

    void badPartOfAScannedFolder_data()
    {
        QTest::addColumn<QString>("badPart"); // between a/a.vcf and c/c.vcf of the chosen folder
        QTest::addColumn<bool>("listed");     // the bad part is a file the scan lists
        QTest::addColumn<bool>("reported");   // the scan names the folder it could not open
        QTest::newRow("folder that can be listed but not entered") << "b" << false << true;
        // As the scan always has: a folder that cannot be listed is passed over without a message.
        QTest::newRow("folder that cannot be listed") << "b" << false << false;
        QTest::newRow("file without read permission") << "b/b.vcf" << true << false;
    }

    // "Add All VCF Files In Folder" over a tree with a part the user may not read, then "Extract All
    // Lines": the files around it are listed and read, what was lost is named, nothing else.
    void badPartOfAScannedFolder()
    {
        QFETCH(QString, badPart);
        QFETCH(bool, listed);
        QFETCH(bool, reported);
        HardeningWindow w;
        QDir folder(w.folder());
        QVERIFY(folder.mkpath("tree/a") && folder.mkpath("tree/b") && folder.mkpath("tree/c"));
        const QString tree = w.pathOf(QStringLiteral("tree"));
        const QString a = w.writeContacts(QStringLiteral("tree/a/a.vcf"), {"a@x"});
        const QString b = w.writeContacts(QStringLiteral("tree/b/b.vcf"), {"b@x"});
        const QString c = w.writeContacts(QStringLiteral("tree/c/c.vcf"), {"c@x"});
        const QString bad = w.pathOf(QStringLiteral("tree/") + badPart);
        const int mode = reported ? 0644 : 0; // 0644: its names can be read, nothing in it opened
        QVERIFY(::chmod(QFile::encodeName(bad).constData(), mode) == 0);
        PermissionsBind bind(w.folder());
        if (!bind.binds())
            QSKIP(qPrintable(bind.whyNot()));

        w.platform.chooseFolder(tree);
        w.click("PushButton5");
        QCOMPARE(w.form().inputFiles().texts(), listed ? (QStringList{a, b, c}) : (QStringList{a, c}));
        QCOMPARE(w.platform.messages(), reported ? QStringList{unopenedFoldersMessage({bad})} : QStringList());
        w.platform.boxes.clear();
        w.click("PushButton13");
        QCOMPARE(w.resultRows(), (QStringList{"a@x", "c@x"}));
        QCOMPARE(w.platform.errors(),
                 listed ? QStringList{w.conversionErrorBox(QStringLiteral("Cannot open %1: Permission denied").arg(b))}
                        : QStringList());
        QVERIFY(!w.form().isBusy());
        bind.restore();
        ::chmod(QFile::encodeName(bad).constData(), 0755);
    }

    // The batch front end takes the same reading path; a script sees the message and status 1.
    void badInputThroughTheBatchFrontEnd_data()
    {
        QTest::addColumn<InputKind>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");

        QTest::newRow("JPEG image") << InputKind::Bytes << jpegImage() << kNotText;
        QTest::newRow("all zero bytes") << InputKind::Bytes << QByteArray(4096, '\0') << kNotText;
        if (kNamedPipesInFileSystem)
            QTest::newRow("named pipe") << InputKind::Pipe << QByteArray() << kNotAFile;
        else
            QTest::newRow("reserved device name CON")
                << InputKind::Device << QByteArray() << QStringLiteral("cardisto-cli: %1: File not found");
        QTest::newRow("folder named like a vCard file")
            << InputKind::Folder << QByteArray() << QStringLiteral("Cannot read %1: it is a folder, not a file.");
    }

    void badInputThroughTheBatchFrontEnd()
    {
        QFETCH(InputKind, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        HardeningWindow w;
        const QString input = makeInput(w, kind, bytes);
        std::optional<PipeWatch> watch;
        if (kind == InputKind::Pipe)
            watch.emplace(input);

        const CliRun convert = runCli({QStringLiteral("convert"), input});
        QVERIFY(convert.finished);
        if (kind == InputKind::Device) {
            // A device is no file: a missing input, which is a usage error.
            QCOMPARE(convert.status, 2);
            QCOMPARE(convert.err, error.arg(input) + kMessageLineEnd);
            return;
        }
        QCOMPARE(convert.status, 1);
        QCOMPARE(convert.out, QString());
        QCOMPARE(convert.err, cliErrorText(error.arg(input), QStringLiteral("ReadVCFAllFields")));

        // extract refuses a folder INPUT only when it holds no files; a pipe or a file goes to the run.
        if (kind != InputKind::Folder) {
            const QString good = w.writeContacts(QStringLiteral("good.vcf"), {"good@x"});
            const CliRun extract = runCli({QStringLiteral("extract"), QStringLiteral("--all-lines"), input, good});
            QVERIFY(extract.finished);
            QCOMPARE(extract.status, 1);
            QCOMPARE(extract.out, QStringLiteral("good@x\n"));
            QCOMPARE(extract.err, cliErrorText(error.arg(input), QStringLiteral("ReadVCFAllFields")));
        }
        if (watch)
            QVERIFY2(!watch->readerWasWaiting(), "cardisto-cli waited for a writer on the pipe");
    }
};

QTEST_MAIN(TestHardeningBadInputFiles)
#include "TestHardeningBadInputFiles.moc"
