// SPDX-License-Identifier: GPL-3.0-or-later
// The user actions of the soak, one table per window.

#include "WindowSoak.h"

#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "extraction/windows/TextSetList.h"
#include "shell/mainwindow/MainWindowStatusBar.h"
#include "support/ResultRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableView>
#include <QUrl>

namespace cardisto::test {

namespace {

QPushButton* button(WindowSoak& s, const char* name)
{
    return s.fixture().control<QPushButton>(name);
}

// A button pressed with the mouse, or now and then with its key in the active main window.
void press(WindowSoak& s, const char* name, QKeyCombination key = {})
{
    if (key.key() != Qt::Key_unknown && key.key() != 0 && s.chance(30)) {
        s.activate(&s.form());
        QTest::keyClick(s.form().controls().Text1, key.key(), key.keyboardModifiers());
    } else {
        button(s, name)->click();
    }
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The rows a run leaves when it refuses to start: those that were there.
ExpectedRun unchangedRows(WindowSoak& s)
{
    ExpectedRun expected;
    expected.rows = resultRows(s.form().results());
    return expected;
}

// Sets the expectation of a run that filters by a text, at the top level only: a nested run's
// rows depend on where the outer run was.
void expectFilteredRun(WindowSoak& s, const QString& text, const std::function<bool(const QString&)>& keep)
{
    if (s.runningNested())
        return;
    const bool refused = text.isEmpty() || s.form().inputFiles().count() == 0;
    s.expectRun(refused ? unchangedRows(s) : s.expectedLines(keep));
}

// Which lines "Extract Lines By Number" takes depends on the numbers: each is a line of the files
// all the same.
ExpectedRun linesByNumber(WindowSoak& s)
{
    if (s.form().controls().Text5->text().isEmpty() || s.form().inputFiles().count() == 0)
        return unchangedRows(s);
    const ExpectedRun all = s.expectedLines();
    QSet<QString> lines;
    for (const QString& row : *all.rows)
        lines.insert(s.form().extractionOptions().showSourceFilename ? row.mid(row.indexOf(u'|') + 1) : row);
    ExpectedRun expected;
    expected.rowHolds = [lines](const QString& text) { return lines.contains(text); };
    expected.errorBoxes = all.errorBoxes;
    expected.refused = all.refused;
    return expected;
}

// A run, with now and then another action while it lets events run.
void startRun(WindowSoak& s, const std::function<void()>& click)
{
    s.explainBadFileErrors();
    if (s.chance(25))
        s.nestDuringAction();
    click();
}

// Removes a row of a list view the way the user does: Delete on the selected row, or a double-click.
void removeRowOfView(WindowSoak& s, QTableView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    if (s.chance(50)) {
        s.activate(&s.form());
        view->setFocus();
        view->setCurrentIndex(index);
        view->selectRow(row);
        QTest::keyClick(view, Qt::Key_Delete);
    } else {
        const QPoint centre = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }
}

void typeInto(WindowSoak& s, QLineEdit* box, const QString& text)
{
    if (s.chance(40)) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    QTest::keyClicks(box, text);
}

void dropOnInputList(WindowSoak& s, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    s.form().inputFiles().dropMimeData(&data, Qt::CopyAction, -1, -1, {});
}

// The files a scan of the soak's tree appends, breadth first: "*.vcf" files, or all of them.
QStringList treeFiles(const WindowSoak& s, bool allFiles)
{
    const QString tree = s.files().tree();
    QStringList files{native(tree + QStringLiteral("/a.vcf"))};
    if (allFiles)
        files.append(native(tree + QStringLiteral("/readme.txt")));
    files.append(native(tree + QStringLiteral("/sub1/b.vcf")));
    files.append(native(tree + QStringLiteral("/sub2/sub3/c.vcf")));
    return files;
}

void removeInputsByFilter(WindowSoak& s, const char* buttonName, bool containing)
{
    const QString text = s.someText();
    text.isEmpty() ? s.platform().cancelInput() : s.platform().enterText(text);
    if (!text.isEmpty()) {
        QStringList& expected = s.expectedInputs();
        expected.removeIf([&](const QString& row) { return row.toLower().contains(text.toLower()) == containing; });
    }
    button(s, buttonName)->click();
}

void saveTextFile(WindowSoak& s)
{
    const QString path = s.files().outFolder() + QStringLiteral("/results-%1.txt").arg(s.pick(3));
    const QByteArray before = QFile::exists(path) ? readFile(path) : QByteArray();
    const bool replace = s.chance(80);
    s.platform().chooseSaveName(path);
    replace ? s.platform().answerYes() : s.platform().answerNo();
    press(s, "PushButton6", QKeyCombination(Qt::CTRL, Qt::Key_S));
    if (s.platform().messages().contains(QStringLiteral("Done."))) {
        if (!s.runningNested())
            s.expectSavedText(QString::fromUtf8(readFile(path)), true);
    } else if (!before.isEmpty() && readFile(path) != before) {
        s.fail(QStringLiteral("a save that did not finish changed %1").arg(path));
    }
}

void saveWorkbook(WindowSoak& s)
{
    s.platform().haveSpreadsheetApplication(s.chance(50));
    const bool hadRows = s.form().results().totalRowCount() > 0;
    // The workbook is removed once checked, so the next may take its name: the note starts empty.
    s.form().showStatusNote({});
    button(s, "PushButton12")->click();
    static const QRegularExpression saved(QStringLiteral("The results are saved as (.*\\.xlsx)\\."));
    QString path;
    // A box when no spreadsheet application opened it, else the status bar's note.
    for (const QString& message : s.platform().messages() + QStringList{s.form().statusBar().note()}) {
        if (const QRegularExpressionMatch match = saved.match(message); match.hasMatch())
            path = match.captured(1);
    }
    if (path.isEmpty()) {
        if (hadRows && !s.runningNested())
            s.fail(QStringLiteral("a workbook of the results was not saved"));
        return;
    }
    QFile workbook(path);
    if (!workbook.open(QIODevice::ReadOnly) || workbook.read(2) != "PK")
        s.fail(QStringLiteral("the saved workbook %1 is no zip file").arg(path));
    workbook.close();
    QFile::remove(path); // a long soak would fill the documents folder
}

void copyResults(WindowSoak& s)
{
    const bool hadRows = s.form().results().totalRowCount() > 0;
    press(s, "PushButton18", QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_C));
    if (hadRows && !s.runningNested())
        s.expectSavedText(s.platform().clipboardText, false);
}

void loadSamples(WindowSoak& s)
{
    const QStringList before = s.form().inputFiles().texts();
    s.chance(50) ? s.platform().answerYes() : s.platform().answerNo();
    button(s, "PushButton23")->click();
    // The samples not listed yet are added, once each, in the order they were recorded.
    const QStringList after = s.form().inputFiles().texts();
    const QString folder = QDir(s.fixture().programFolder()).filePath(QStringLiteral("Samples"));
    const QStringList added = after.mid(before.size());
    for (const QString& path : added) {
        if (before.contains(path) || added.count(path) != 1 || QFileInfo(path).dir() != QDir(folder))
            s.fail(QStringLiteral("loading the samples added %1").arg(path));
    }
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.vcf")}, QDir::Files)) {
        if (!after.contains(native(folder + u'/' + name)))
            s.fail(QStringLiteral("loading the samples left out %1").arg(name));
    }
    s.expectedInputs() += added;
}

// The adding actions stop at a list of a dozen files, so that a long soak's runs stay short.
bool roomForFiles(WindowSoak& s)
{
    return s.form().inputFiles().count() < 12;
}

Form2* betweenWindow(WindowSoak& s)
{
    return s.form().findChild<Form2*>();
}

Form3* textSetWindow(WindowSoak& s)
{
    return s.form().findChild<Form3*>();
}

bool shown(QWidget* window)
{
    return window && window->isVisible();
}

} // namespace

QList<SoakAction> mainWindowActions()
{
    return {
        {"add files", 6, true,
         [](WindowSoak& s) {
             if (s.chance(15)) {
                 s.platform().cancelOpenDialog();
             } else {
                 const QStringList files = s.someFiles();
                 s.platform().chooseFiles(files);
                 s.expectedInputs() += files;
             }
             press(s, "PushButton1", QKeyCombination(Qt::CTRL, Qt::Key_O));
         },
         roomForFiles},
        {"remove files containing", 2, true,
         [](WindowSoak& s) { removeInputsByFilter(s, "PushButton3", true); }},
        {"remove files not containing", 2, true,
         [](WindowSoak& s) { removeInputsByFilter(s, "PushButton11", false); }},
        {"clear the input list", 1, true,
         [](WindowSoak& s) {
             if (!s.form().isBusy()) // the hourglass makes the list's handlers ignore the user
                 s.expectedInputs().clear();
             button(s, "PushButton14")->click();
         }},
        {"remove an input row", 3, true,
         [](WindowSoak& s) {
             const int row = s.pick(s.form().inputFiles().count());
             if (!s.form().isBusy())
                 s.expectedInputs().removeAt(row);
             removeRowOfView(s, s.form().controls().ListView1, row);
         },
         [](WindowSoak& s) { return s.form().inputFiles().count() > 0; }},
        {"drag an input row", 2, false,
         [](WindowSoak& s) {
             QTableView* view = s.form().controls().ListView1;
             view->scrollToTop();
             QList<int> visible;
             for (int row = 0; row < s.form().inputFiles().count(); ++row) {
                 if (view->viewport()->rect().contains(view->visualRect(view->model()->index(row, 0))))
                     visible.append(row);
             }
             if (visible.size() < 2)
                 return;
             const int from = s.pickFrom(visible);
             const int to = s.pickFrom(visible);
             const auto centre = [&](int row) { return view->visualRect(view->model()->index(row, 0)).center(); };
             QTest::mousePress(view->viewport(), Qt::LeftButton, {}, centre(from));
             QTest::mouseMove(view->viewport(), centre(to));
             QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre(to));
             s.expectedInputs().swapItemsAt(from, to);
         },
         [](WindowSoak& s) { return s.form().inputFiles().count() > 1; }},
        {"scan a folder", 2, true,
         [](WindowSoak& s) {
             if (s.chance(15)) {
                 button(s, "PushButton5")->click(); // the browser is cancelled
                 return;
             }
             s.platform().chooseFolder(s.files().tree());
             s.expectedInputs() += treeFiles(s, false);
             button(s, "PushButton5")->click();
         },
         roomForFiles},
        {"drop a folder", 1, true,
         [](WindowSoak& s) {
             s.expectedInputs() += treeFiles(s, true);
             dropOnInputList(s, {s.files().tree()});
         },
         roomForFiles},
        {"drop files", 1, true,
         [](WindowSoak& s) {
             const QStringList files = s.someFiles();
             s.expectedInputs() += files;
             dropOnInputList(s, files);
         },
         roomForFiles},
        {"load a path list file", 2, true,
         [](WindowSoak& s) {
             s.platform().chooseFiles({s.files().pathList()});
             s.expectedInputs() += s.files().vcards().mid(0, 3);
             button(s, "PushButton21")->click();
         },
         roomForFiles},
        {"load the sample files", 1, true, loadSamples, roomForFiles},
        {"tick an option", 5, true,
         [](WindowSoak& s) {
             const Form1Controls& c = s.form().controls();
             const QList<QAbstractButton*> options{c.Option1, c.Option2, c.Check3, c.Check4, c.Check6,
                                                   c.Check8,  c.Check1,  c.Check14, c.Check15};
             s.pickFrom(options)->click();
         }},
        {"type a text", 4, true,
         [](WindowSoak& s) {
             const Form1Controls& c = s.form().controls();
             static const QStringList numbers{"1", "2", "1,3", "3,1,3", "x", "0", "2,"};
             const int box = s.pick(3);
             typeInto(s, QList<QLineEdit*>{c.Text1, c.Text2, c.Text5}.at(box),
                      box == 2 ? s.pickFrom(numbers) : s.someText());
         }},
        {"extract all lines", 6, true,
         [](WindowSoak& s) {
             // This command empties the results first, also when no files are listed.
             if (!s.runningNested())
                 s.expectRun(s.expectedLines());
             startRun(s, [&] { button(s, "PushButton13")->click(); });
         }},
        {"extract lines containing", 4, true,
         [](WindowSoak& s) {
             const QString text = s.form().controls().Text1->text();
             expectFilteredRun(s, text,
                               [text](const QString& line) { return line.contains(text, Qt::CaseInsensitive); });
             startRun(s, [&] {
                 if (s.chance(30))
                     QTest::keyClick(s.form().controls().Text1, Qt::Key_Return);
                 else
                     button(s, "PushButton2")->click();
             });
         }},
        {"extract lines not containing", 3, true,
         [](WindowSoak& s) {
             const QString text = s.form().controls().Text2->text();
             expectFilteredRun(s, text,
                               [text](const QString& line) { return !line.contains(text, Qt::CaseInsensitive); });
             startRun(s, [&] {
                 if (s.chance(30))
                     QTest::keyClick(s.form().controls().Text2, Qt::Key_Return);
                 else
                     button(s, "PushButton8")->click();
             });
         }},
        {"extract lines by number", 3, true,
         [](WindowSoak& s) {
             // A piece of the list that is no whole number is reported, once, and the run goes on.
             s.explainErrors([](const QString& error) {
                 return error.contains(QStringLiteral("Form1.PushButton7_Click at line 116"));
             });
             if (!s.runningNested())
                 s.expectRun(linesByNumber(s));
             startRun(s, [&] { button(s, "PushButton7")->click(); });
         }},
        {"clear the results", 2, true, [](WindowSoak& s) { button(s, "PushButton9")->click(); }},
        {"remove a result row", 2, true,
         [](WindowSoak& s) {
             ResultsModel& results = s.form().results();
             results.commitPendingRows();
             const QStringList before = resultRows(results);
             const int row = s.pick(results.rowCount());
             const bool ignored = s.form().isBusy();
             removeRowOfView(s, s.form().controls().ListView2, row);
             QStringList expected = before;
             if (!ignored)
                 expected.removeAt(row);
             if (!s.runningNested() && resultRows(results) != expected)
                 s.fail(QStringLiteral("removing result row %1 left %2 rows of %3").arg(row).arg(results.rowCount()).arg(before.size()));
         },
         [](WindowSoak& s) { return s.form().results().totalRowCount() > 0; }},
        {"untick a result", 2, true,
         [](WindowSoak& s) {
             ResultsModel& results = s.form().results();
             results.commitPendingRows();
             const QModelIndex index = results.index(s.pick(results.rowCount()), 0);
             results.setData(index, s.chance(70) ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
         },
         [](WindowSoak& s) { return s.form().results().totalRowCount() > 0; }},
        {"save as a text file", 3, true, saveTextFile},
        {"save as a workbook", 2, true, saveWorkbook},
        {"copy the results", 2, true, copyResults},
        {"ask for help", 2, true,
         [](WindowSoak& s) {
             static const QList<const char*> helpButtons{"PushButton10", "PushButton22", "PushButton16",
                                                         "PushButton17"};
             if (s.chance(25)) {
                 s.activate(&s.form());
                 QTest::keyClick(s.form().controls().Text1, Qt::Key_F1, s.chance(50) ? Qt::ShiftModifier
                                                                                      : Qt::NoModifier);
             } else {
                 button(s, s.pickFrom(helpButtons))->click();
             }
         }},
        {"open a tool window", 3, false,
         [](WindowSoak& s) { button(s, s.chance(50) ? "PushButton4" : "PushButton15")->click(); }},
        {"Esc in the main window", 2, true,
         [](WindowSoak& s) { QTest::keyClick(&s.form(), Qt::Key_Escape); }},
        {"close and start again", 1, false,
         [](WindowSoak& s) {
             if (s.chance(50)) {
                 s.activate(&s.form());
                 QTest::keyClick(s.form().controls().Text1, Qt::Key_Q, Qt::ControlModifier);
             }
             s.restartMainWindow();
         }},
    };
}

QList<SoakAction> betweenWindowActions()
{
    const auto open = [](WindowSoak& s) { return shown(betweenWindow(s)); };
    return {
        {"type a marker", 3, true,
         [](WindowSoak& s) {
             static const QStringList markers{"@", "a", "x.org", ".", "5", "Lee", "<", "A", "o"};
             typeInto(s, namedChild<QLineEdit>(betweenWindow(s), s.chance(50) ? "Text3" : "Text4"),
                      s.pickFrom(markers));
         },
         open},
        {"extract between markers", 4, true,
         [](WindowSoak& s) {
             Form2* window = betweenWindow(s);
             const QString start = namedChild<QLineEdit>(window, "Text3")->text();
             const QString end = namedChild<QLineEdit>(window, "Text4")->text();
             if (!s.runningNested()) {
                 ExpectedRun expected;
                 if (start.isEmpty() || end.isEmpty() || s.form().inputFiles().count() == 0)
                     expected = unchangedRows(s);
                 else
                     expected.rowHolds = [start, end](const QString& text) {
                         return text.startsWith(start, Qt::CaseInsensitive) && !text.contains(end);
                     };
                 // The files are taken whole; those that cannot be read show their box all the same.
                 if (s.form().inputFiles().count() > 0 && !start.isEmpty() && !end.isEmpty()) {
                     const ExpectedRun all = s.expectedLines();
                     expected.errorBoxes = all.errorBoxes;
                     expected.refused = all.refused;
                 }
                 s.expectRun(expected);
             }
             startRun(s, [&] { namedChild<QPushButton>(window, "PushButton4")->click(); });
         },
         open},
        {"help in the between window", 1, true,
         [](WindowSoak& s) { namedChild<QPushButton>(betweenWindow(s), "PushButton11")->click(); }, open},
        {"close the between window", 1, true,
         [](WindowSoak& s) {
             Form2* window = betweenWindow(s);
             s.chance(50) ? namedChild<QPushButton>(window, "PushButton1")->click() : void(window->close());
         },
         open},
        {"Esc in the between window", 1, true,
         [](WindowSoak& s) { QTest::keyClick(betweenWindow(s), Qt::Key_Escape); }, open},
    };
}

QList<SoakAction> textSetWindowActions()
{
    const auto open = [](WindowSoak& s) { return shown(textSetWindow(s)); };
    return {
        {"add an item", 3, true,
         [](WindowSoak& s) {
             const QString item = s.someText();
             item.isEmpty() ? s.platform().cancelInput() : s.platform().enterText(item);
             namedChild<QPushButton>(textSetWindow(s), "PushButton2")->click();
             s.itemsLoadedFromFile(false);
         },
         open},
        {"remove the selected item", 2, true,
         [](WindowSoak& s) {
             auto* combo = namedChild<QComboBox>(textSetWindow(s), "Combo1");
             combo->setCurrentIndex(s.pick(combo->count() + 1) - 1);
             namedChild<QPushButton>(textSetWindow(s), "PushButton1")->click();
             s.itemsLoadedFromFile(false);
         },
         open},
        {"clear the items", 1, true,
         [](WindowSoak& s) {
             namedChild<QPushButton>(textSetWindow(s), "PushButton5")->click();
             s.itemsLoadedFromFile(false);
         },
         open},
        {"load items from a file", 1, true,
         [](WindowSoak& s) {
             s.platform().chooseFiles({s.files().items()});
             namedChild<QPushButton>(textSetWindow(s), "PushButton3")->click();
             s.itemsLoadedFromFile(true);
         },
         open},
        {"extract text sets", 4, true,
         [](WindowSoak& s) {
             Form3* window = textSetWindow(s);
             const QStringList items = window->items().items();
             if (!s.runningNested()) {
                 // This run appends to the rows there are.
                 ExpectedRun expected;
                 if (items.isEmpty() || s.form().inputFiles().count() == 0) {
                     expected = unchangedRows(s);
                 } else {
                     expected.rowsBefore = s.form().results().totalRowCount();
                     expected.rowHolds = [items](const QString& text) {
                         return std::any_of(items.cbegin(), items.cend(), [&](const QString& item) {
                             return text.contains(item, Qt::CaseInsensitive);
                         });
                     };
                     const ExpectedRun all = s.expectedLines();
                     expected.errorBoxes = all.errorBoxes;
                     expected.refused = all.refused;
                 }
                 s.expectRun(expected);
             }
             startRun(s, [&] { namedChild<QPushButton>(window, "PushButton4")->click(); });
             if (!s.runningNested() && !items.isEmpty() && s.form().inputFiles().count() > 0 && window->isVisible())
                 s.fail(QStringLiteral("the text-set window stays open after its run"));
         },
         open},
        {"help in the text-set window", 1, true,
         [](WindowSoak& s) { namedChild<QPushButton>(textSetWindow(s), "PushButton11")->click(); }, open},
        {"close the text-set window", 1, true, [](WindowSoak& s) { textSetWindow(s)->close(); }, open},
        {"Esc in the text-set window", 1, true,
         [](WindowSoak& s) { QTest::keyClick(textSetWindow(s), Qt::Key_Escape); }, open},
    };
}

} // namespace cardisto::test
