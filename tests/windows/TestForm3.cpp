// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeToolWindowContext.h"
#include "extraction/windows/Form3.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

using namespace cardisto;
using test::FakePlatform;
using test::FakeToolWindowContext;
using test::writeFile;
using test::writeVcf;

namespace {

// The window as the user meets it, its controls found by name.
struct TextSetWindow {
    explicit TextSetWindow(FakeToolWindowContext& context) : context(context), form(context)
    {
        form.showWithoutModality();
    }

    QStringList items() const
    {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts;
    }
    void addItem(const QString& text)
    {
        context.fakePlatform.enterText(text);
        QTest::mouseClick(add, Qt::LeftButton);
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void run() { click(start); }

    FakeToolWindowContext& context;
    Form3 form;
    QComboBox* combo = form.findChild<QComboBox*>("Combo1");
    QPushButton* add = form.findChild<QPushButton*>("PushButton2");
    QPushButton* remove = form.findChild<QPushButton*>("PushButton1");
    QPushButton* clear = form.findChild<QPushButton*>("PushButton5");
    QPushButton* load = form.findChild<QPushButton*>("PushButton3");
    QPushButton* start = form.findChild<QPushButton*>("PushButton4");
};

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_settingsFiles = 0;
    QString m_abc;

    QString freshSettingsFile() { return m_dir.filePath(QStringLiteral("settings%1.ini").arg(++m_settingsFiles)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_abc = writeVcf(m_dir, "abc.vcf", {"abc", "xyz"});
    }

    void controls_carryTheirCaptionsAndTheHandPointer()
    {
        FakeToolWindowContext context(freshSettingsFile());
        TextSetWindow window(context);
        QCOMPARE(window.form.windowTitle(), QString("Extract Lines Containing These Text Sets"));
        QCOMPARE(qobject_cast<QGroupBox*>(window.combo->parentWidget())->title(), QString("Containing Text"));
        QCOMPARE(window.load->text(), QString("Load Multiple Items From Text File"));
        QCOMPARE(window.remove->text(), QString("Remove Selected Item"));
        QCOMPARE(window.clear->cursor().shape(), Qt::PointingHandCursor);
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("removeDuplicates");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("line with two items, duplicates kept")
            << QStringList{"ab", "bc"} << false << 1 << QStringList{"kept", "abc", "abc"};
        QTest::newRow("line with two items, duplicates removed")
            << QStringList{"ab", "bc"} << true << 1 << QStringList{"kept", "abc"};
        QTest::newRow("upper-case item finds lower-case text")
            << QStringList{"BC"} << false << 1 << QStringList{"kept", "abc"};
        QTest::newRow("second run appends") << QStringList{"x"} << false << 2 << QStringList{"kept", "xyz", "xyz"};
        QTest::newRow("second run adds nothing already listed")
            << QStringList{"x"} << true << 2 << QStringList{"kept", "xyz"};
    }

    void runs()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, removeDuplicates);
        QFETCH(int, runs);
        QFETCH(QStringList, rows);
        FakeToolWindowContext context(freshSettingsFile());
        context.inputs = {m_abc};
        context.options.removeDuplicates = removeDuplicates;
        context.model.appendRow("kept");
        TextSetWindow window(context);
        for (const QString& item : items)
            window.addItem(item);
        for (int i = 0; i < runs; ++i) {
            window.form.showWithoutModality();
            window.run();
            QVERIFY(window.form.isHidden());
        }
        QCOMPARE(context.rows(), rows);
        QVERIFY(context.fakePlatform.messages().isEmpty());
    }

    void run_showsTheHourglassOnItsOwnWindowUntilItEnds()
    {
        FakeToolWindowContext context(freshSettingsFile());
        context.inputs = {m_abc};
        TextSetWindow window(context);
        window.addItem("x");
        QList<Qt::CursorShape> lineShapes;
        context.onYield = [&] {
            if (window.form.showsHourglass())
                lineShapes << window.form.cursor().shape() << window.combo->cursor().shape();
        };
        window.run();
        // Two lines, and a turn more each time the conversion is not ready at once (a slow machine).
        QVERIFY(lineShapes.size() >= 4);
        QCOMPARE(lineShapes, QList<Qt::CursorShape>(lineShapes.size(), Qt::WaitCursor));
        QCOMPARE(window.add->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(context.progress.constLast(), (QPair<int, QString>{0, "Progress Bar"}));
    }

    void emptyItemList_rebuildsTheHeadersKeepsTheRowsAndHides()
    {
        FakeToolWindowContext context(freshSettingsFile());
        context.inputs = {m_abc};
        context.options.showSourceFilename = true;
        context.model.appendRow("kept");
        TextSetWindow window(context);
        window.run();
        QCOMPARE(context.fakePlatform.messages(), QStringList{"Fill out combobox text to use to extract lines."});
        QCOMPARE(context.model.columnCount(), 2);
        QCOMPARE(context.rows(), QStringList{"kept"});
        QVERIFY(window.form.isHidden());
    }

    void noFiles_isAMessageAndTheWindowStaysOpen()
    {
        FakeToolWindowContext context(freshSettingsFile());
        TextSetWindow window(context);
        window.addItem("a");
        window.run();
        QCOMPARE(context.fakePlatform.messages(), QStringList{"No files added."});
        QVERIFY(window.form.isVisible());
    }

    void listCommands_storeTheListAndItComesBackAfterARestart()
    {
        const QString settings = freshSettingsFile();
        {
            FakeToolWindowContext context(settings);
            TextSetWindow window(context);
            window.addItem(" Mail ");
            const FakePlatform::Box& box = context.fakePlatform.lastBox();
            QCOMPARE(box.text, QString("Enter text:"));
            QCOMPARE(box.caption, QString("Cardisto"));
            QVERIFY(box.defaultText.isEmpty());
            window.addItem("b c");
            window.addItem(""); // cancelled: nothing added
            window.addItem(" ");
            window.addItem("gone");
            QCOMPARE(window.combo->currentIndex(), -1); // nothing selected until the user chooses
            context.store.save(SettingKey::Combo1, "stale");
            window.click(window.remove); // nothing selected: nothing removed, but stored again
            QCOMPARE(context.store.read(SettingKey::Combo1),
                     QString(" Mail !!!QUILL!!!b c!!!QUILL!!! !!!QUILL!!!gone"));
            window.combo->setCurrentIndex(3);
            window.click(window.remove);
            QCOMPARE(window.items(), (QStringList{" Mail ", "b c", " "}));
            QCOMPARE(window.combo->currentIndex(), -1);
        }
        FakeToolWindowContext restarted(settings);
        TextSetWindow window(restarted);
        QCOMPARE(window.items(), (QStringList{" Mail ", "b c", " "}));
        window.click(window.clear);
        QVERIFY(window.items().isEmpty());

        FakeToolWindowContext again(settings);
        TextSetWindow emptied(again);
        QVERIFY(again.store.contains(SettingKey::Combo1));
        QVERIFY(emptied.items().isEmpty());
    }

    void loadFromFiles_appendsVisibleLinesButLeavesStoringToTheNextChange()
    {
        const QString settings = freshSettingsFile();
        const QString items = writeFile(m_dir.filePath("items.txt"), "one\r\n\r\n   \r\n two \r\nthree");
        const QString more = writeFile(m_dir.filePath("more.txt"), "four\n");
        {
            FakeToolWindowContext context(settings);
            TextSetWindow window(context);
            window.addItem("first");
            context.fakePlatform.chooseFiles({items, m_dir.filePath("missing.txt"), more});
            window.click(window.load);
            QCOMPARE(window.items(), (QStringList{"first", "one", " two ", "three", "four"}));
            QCOMPARE(context.fakePlatform.messages(), QStringList{"File not found"});
            QCOMPARE(context.fakePlatform.dialogs.first().title,
                     QString("Add File(s) - Hold Ctrl to select multiple files"));
            QCOMPARE(context.fakePlatform.dialogs.first().filter, QString("All Files (*.*)|*.*|"));
            QCOMPARE(context.store.read(SettingKey::Combo1), QString("first"));
        }
        FakeToolWindowContext restarted(settings);
        TextSetWindow window(restarted);
        QCOMPARE(window.items(), QStringList{"first"});
        restarted.fakePlatform.chooseFiles({more});
        window.click(window.load);
        window.addItem("z");
        QCOMPARE(restarted.store.read(SettingKey::Combo1), QString("first!!!QUILL!!!four!!!QUILL!!!z"));
    }

    void loadFromFiles_refusesTooManyFilesAndIgnoresCancel()
    {
        FakeToolWindowContext context(freshSettingsFile());
        TextSetWindow window(context);
        context.fakePlatform.chooseTooManyFiles();
        window.click(window.load);
        QCOMPARE(
            context.fakePlatform.messages(),
            QStringList{"You've selected too many files to add.\r\rPlease try adding via the \"Add All\" button."});
        window.click(window.load); // cancelled
        QCOMPARE(context.fakePlatform.messages().size(), 1);
        QVERIFY(window.items().isEmpty());
    }

    void failures_areReportedByTheCommandAndTheRestGoesOn()
    {
        // A folder where the settings file should be: nothing can be written there.
        const QString unwritable = m_dir.filePath("unwritable.ini");
        QVERIFY(QDir().mkpath(unwritable));
        FakeToolWindowContext context(unwritable);
        int storeFailures = 0; // the store tells its owner once; the main window shows it
        context.settings().onFirstSaveFailure([&](const QString&) { ++storeFailures; });
        TextSetWindow window(context);
        const QString folder = m_dir.filePath("a-folder");
        QVERIFY(QDir().mkpath(folder));
        context.fakePlatform.chooseFiles({folder, writeFile(m_dir.filePath("ok.txt"), "ok")});
        window.click(window.load);
        window.addItem("a");
        QCOMPARE(window.items(), (QStringList{"ok", "a"}));
        window.addItem("b");
        QCOMPARE(context.reporter.reports.size(), 1);
        QCOMPARE(context.reporter.reports.at(0).location, QString("in Velmora2021/08/31.Form3.PushButton3_Click "));
        QCOMPARE(storeFailures, 1);
    }
};

QTEST_MAIN(TestForm3)
#include "TestForm3.moc"
