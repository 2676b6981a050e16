// SPDX-License-Identifier: GPL-3.0-or-later
// Long and broken lists given to the real windows: a path list file of 100,000 lines, list and item
// files that are no text, a text set of 10,000 items, a line-number list of 10,000 numbers, texts
// longer than a text box used to hold, and markers longer than the text they are looked for in.

#include "BinaryContent.h"
#include "HardeningWindow.h"
#include "PipeWatch.h"
#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "extraction/windows/TextSetList.h"
#include "inputs/InputCommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <optional>

using namespace cardisto;
using namespace cardisto::test;

namespace {

// A file of the given kind that no list may be read from; a pipe is watched so that waiting on it
// fails the case instead of blocking it.
enum class NoTextKind { Image, ZeroBytes, Pipe, Device, Folder };

QString makeNoTextFile(HardeningWindow& w, NoTextKind kind, std::optional<PipeWatch>& watch)
{
    const QString path = w.pathOf(QStringLiteral("list.txt"));
    switch (kind) {
    case NoTextKind::Image:
        return w.writeFile(QStringLiteral("list.txt"), pngImage());
    case NoTextKind::ZeroBytes:
        return w.writeFile(QStringLiteral("list.txt"), QByteArray(4096, '\0'));
    case NoTextKind::Pipe:
        if (!makeNamedPipe(path))
            qFatal("cannot make the pipe");
        watch.emplace(path);
        return path;
    case NoTextKind::Device:
        // Windows' console: every folder seems to hold it, and reading it waits for the keyboard.
        return w.pathOf(QStringLiteral("CON"));
    case NoTextKind::Folder:
        if (!QDir(w.folder()).mkdir(QStringLiteral("list.txt")))
            qFatal("cannot make the folder");
        return path;
    }
    return path;
}

// The lines "line-1@x" to "line-<count>@x", one contact each.
QString writeNumberedContacts(HardeningWindow& w, int count)
{
    QStringList emails;
    for (int i = 1; i <= count; ++i)
        emails.append(QStringLiteral("line-%1@x").arg(i));
    return w.writeContacts(QStringLiteral("numbered.vcf"), emails);
}

} // namespace

Q_DECLARE_METATYPE(NoTextKind)

class TestHardeningBadInputLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pathListFileOf100000Lines()
    {
        HardeningWindow w;
        const QString real = w.writeContacts(QStringLiteral("real.vcf"), {"one@x", "two@x"});
        // Every thousandth line names the real file, every other one a file that does not exist.
        constexpr qint64 kLines = 100'000;
        const QString list =
            w.writeLargeFile(QStringLiteral("paths.txt"), {}, kLines,
                             [&](qint64 i) {
                                 const QString path =
                                     i % 1000 == 999 ? real : w.pathOf(QStringLiteral("gone-%1.vcf").arg(i));
                                 return (path + QStringLiteral("\r\n")).toUtf8();
                             },
                             {});
        w.platform.chooseFiles({list});
        w.click("PushButton21");

        QCOMPARE(w.platform.messages(), QStringList{pathListHelpText()});
        const InputFileList& inputs = w.form().inputFiles();
        QCOMPARE(inputs.count(), kLines);
        QCOMPARE(inputs.textAt(0), w.pathOf(QStringLiteral("gone-0.vcf")));
        QCOMPARE(inputs.textAt(999), real);
        QCOMPARE(inputs.textAt(kLines - 1), real);

        // Files that do not exist give nothing; the real one gives its lines, once with duplicates removed.
        w.control<QCheckBox>("Check1")->setChecked(true);
        w.click("PushButton13");
        QCOMPARE(w.resultRows(), (QStringList{"one@x", "two@x"}));
        QCOMPARE(w.platform.boxes.size(), 1);
        QVERIFY(!w.form().isBusy());
    }

    void listFilesThatAreNoText_data()
    {
        QTest::addColumn<NoTextKind>("kind");
        QTest::addColumn<QString>("error"); // %1 stands for the path

        const QString notText = QStringLiteral("Cannot read %1: it is not a text file (it holds NUL bytes).");
        QTest::newRow("image") << NoTextKind::Image << notText;
        QTest::newRow("all zero bytes") << NoTextKind::ZeroBytes << notText;
        const QString notAFile = QStringLiteral("Cannot read %1: it is a pipe or a device, not a file.");
        if (kNamedPipesInFileSystem)
            QTest::newRow("named pipe") << NoTextKind::Pipe << notAFile;
        else // no file at all, as a missing one: "File not found", and no wait for the keyboard
            QTest::newRow("reserved device name CON") << NoTextKind::Device << QString();
        QTest::newRow("folder") << NoTextKind::Folder << QStringLiteral("Cannot read %1: it is a folder, not a file.");
    }

    // "Load List Of Files From Text File" reports the file and appends nothing from it.
    void listFilesThatAreNoText()
    {
        QFETCH(NoTextKind, kind);
        QFETCH(QString, error);
        HardeningWindow w;
        std::optional<PipeWatch> watch;
        const QString list = makeNoTextFile(w, kind, watch);
        const QString good = w.writeFile(QStringLiteral("good.txt"), "kept.vcf\r\n");
        w.form().inputFiles().append(QStringLiteral("listed.vcf"));
        w.platform.chooseFiles({list, good});
        w.click("PushButton21");

        QCOMPARE(w.form().inputFiles().texts(), (QStringList{"listed.vcf", "kept.vcf"}));
        QCOMPARE(w.platform.errors(),
                 error.isEmpty() ? QStringList()
                                 : QStringList{HardeningWindow::errorBox(error.arg(list), QStringLiteral("Form1"),
                                                                         QStringLiteral("PushButton21_Click"), 104)});
        if (watch)
            QVERIFY2(!watch->readerWasWaiting(), "the command waited for a writer on the pipe");
    }

    void itemFilesThatAreNoText_data() { listFilesThatAreNoText_data(); }

    // "Load Multiple Items From Text File" reports the file and adds no items from it.
    void itemFilesThatAreNoText()
    {
        QFETCH(NoTextKind, kind);
        QFETCH(QString, error);
        HardeningWindow w;
        std::optional<PipeWatch> watch;
        const QString items = makeNoTextFile(w, kind, watch);
        const QString good = w.writeFile(QStringLiteral("good.txt"), "kept\r\n");
        Form3* textSets = w.openTextSetWindow();
        w.platform.chooseFiles({items, good});
        namedChild<QPushButton>(textSets, "PushButton3")->click();

        QCOMPARE(textSets->items().items(), QStringList{"kept"});
        QCOMPARE(w.platform.errors(),
                 error.isEmpty() ? QStringList()
                                 : QStringList{HardeningWindow::errorBox(error.arg(items), QStringLiteral("Form3"),
                                                                         QStringLiteral("PushButton3_Click"), 106)});
        if (watch)
            QVERIFY2(!watch->readerWasWaiting(), "the command waited for a writer on the pipe");
    }

    void textSetOf10000Items()
    {
        HardeningWindow w;
        QByteArray itemLines;
        for (int i = 0; i < 10'000; ++i)
            itemLines += QStringLiteral("needle-%1\r\n").arg(i, 4, 10, QChar(u'0')).toLatin1();
        const QString items = w.writeFile(QStringLiteral("items.txt"), itemLines);
        // A small file: a few lines that hold items, in any letter case, among 200 that hold none.
        QStringList emails{"x-needle-0042@x", "NEEDLE-9999@x", "needle-0001needle-0002@x", "needle-00@x"};
        for (int i = 0; i < 200; ++i)
            emails.append(QStringLiteral("filler-%1@x").arg(i));
        w.listFiles({w.writeContacts(QStringLiteral("contacts.vcf"), emails)});

        Form3* textSets = w.openTextSetWindow();
        w.platform.chooseFiles({items});
        namedChild<QPushButton>(textSets, "PushButton3")->click();
        QCOMPARE(textSets->items().count(), 10'000);
        namedChild<QPushButton>(textSets, "PushButton4")->click();

        // A line is offered once for every item it holds.
        QCOMPARE(w.resultRows(), (QStringList{"x-needle-0042@x", "NEEDLE-9999@x", "needle-0001needle-0002@x",
                                              "needle-0001needle-0002@x"}));
        QVERIFY(w.platform.boxes.isEmpty());
        QVERIFY(textSets->isHidden());

        // The next change stores the whole set, and the next start brings it back.
        w.platform.enterText(QStringLiteral("one more"));
        namedChild<QPushButton>(w.openTextSetWindow(), "PushButton2")->click();
        const QStringList stored = textSets->items().items();
        QCOMPARE(stored.size(), 10'001);
        w.restart();
        QCOMPARE(w.openTextSetWindow()->items().items(), stored);
    }

    void lineNumberListOf10000Numbers()
    {
        HardeningWindow w;
        w.listFiles({writeNumberedContacts(w, 10'050)});
        // Last to first with a blank after each comma, as a pasted list may come.
        QStringList numbers;
        for (int i = 10'000; i >= 1; --i)
            numbers.append(QString::number(i));
        const QString list = numbers.join(QStringLiteral(", "));
        auto* text5 = w.control<QLineEdit>("Text5");
        text5->insert(list); // as a paste does
        QCOMPARE(text5->text(), list);
        w.click("PushButton7");

        // In file order, whatever the order of the numbers.
        const QStringList rows = w.resultRows();
        QCOMPARE(rows.size(), 10'000);
        QCOMPARE(rows.first(), QStringLiteral("line-1@x"));
        QCOMPARE(rows.last(), QStringLiteral("line-10000@x"));
        QVERIFY(w.platform.boxes.isEmpty());

        w.restart();
        QCOMPARE(w.control<QLineEdit>("Text5")->text(), list);
    }

    void textBoxesHoldLongTexts_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("Text1, containing") << "Text1";
        QTest::newRow("Text2, not containing") << "Text2";
        QTest::newRow("Text5, line numbers") << "Text5";
        QTest::newRow("Text3, start marker") << "Text3";
        QTest::newRow("Text4, end marker") << "Text4";
    }

    // A pasted text is neither cut nor stored cut, and comes back whole at the next start.
    void textBoxesHoldLongTexts()
    {
        QFETCH(QString, box);
        const QString text = QStringLiteral("0123456789,").repeated(4000);
        HardeningWindow w;
        const bool marker = box == u"Text3" || box == u"Text4";
        auto window = [&]() -> QWidget* {
            return marker ? static_cast<QWidget*>(w.openBetweenWindow()) : &w.form();
        };
        auto* edit = namedChild<QLineEdit>(window(), qPrintable(box));
        edit->insert(text);
        QCOMPARE(edit->text().size(), text.size());

        w.restart();
        QCOMPARE(namedChild<QLineEdit>(window(), qPrintable(box))->text(), text);
        QVERIFY(w.platform.boxes.isEmpty());
    }

    void markersLongerThanTheText_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");

        QTest::newRow("start marker longer than the text") << "a@x and a good deal more"
                                                           << "@";
        QTest::newRow("end marker longer than the text") << "a"
                                                         << "a@x and a good deal more";
        QTest::newRow("both longer than the text") << "a@x and more"
                                                   << "a@x and a good deal more";
        QTest::newRow("both the whole text") << "a@x"
                                             << "a@x";
        QTest::newRow("end marker the whole text") << "a"
                                                   << "a@x";
    }

    // Nothing to list: the run clears the earlier rows, lists nothing and shows no box.
    void markersLongerThanTheText()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        HardeningWindow w;
        w.listFiles({w.writeContacts(QStringLiteral("one.vcf"), {"a@x"})});
        w.click("PushButton13");
        QCOMPARE(w.resultRows(), QStringList{"a@x"});

        Form2* between = w.openBetweenWindow();
        QTest::keyClicks(namedChild<QLineEdit>(between, "Text3"), start);
        QTest::keyClicks(namedChild<QLineEdit>(between, "Text4"), end);
        namedChild<QPushButton>(between, "PushButton4")->click();
        QCOMPARE(w.resultRows(), QStringList());
        QVERIFY(w.platform.boxes.isEmpty());
        QVERIFY(!between->showsHourglass());
    }
};

QTEST_MAIN(TestHardeningBadInputLists)
#include "TestHardeningBadInputLists.moc"
