// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeToolWindowContext.h"
#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace cardisto;
using test::FakeToolWindowContext;
using test::writeVcf;

namespace {

// The window as the user meets it, its controls found by name.
struct BetweenWindow {
    explicit BetweenWindow(FakeToolWindowContext& context) : form(context) { form.showWithoutModality(); }

    void setMarkers(const QString& x, const QString& y)
    {
        text3->clear();
        QTest::keyClicks(text3, x);
        text4->clear();
        QTest::keyClicks(text4, y);
    }
    void run() { QTest::mouseClick(start, Qt::LeftButton); }

    Form2 form;
    QLineEdit* text3 = form.findChild<QLineEdit*>("Text3");
    QLineEdit* text4 = form.findChild<QLineEdit*>("Text4");
    QPushButton* start = form.findChild<QPushButton*>("PushButton4");
    QPushButton* help = form.findChild<QPushButton*>("PushButton11");
    QPushButton* closeButton = form.findChild<QPushButton*>("PushButton1");
};

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_settingsFiles = 0;
    QString m_rain;

    QString freshSettingsFile() { return m_dir.filePath(QStringLiteral("settings%1.ini").arg(++m_settingsFiles)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_rain = writeVcf(m_dir, "rain.vcf", {"The rain in spain falls mainly on the plain."});
    }

    void controls_carryTheirCaptionsAndTheHandPointer()
    {
        FakeToolWindowContext context(freshSettingsFile());
        BetweenWindow window(context);
        QCOMPARE(window.form.windowTitle(), QString("Extract Between X and Y (Repeatedly)"));
        QCOMPARE(qobject_cast<QGroupBox*>(window.text3->parentWidget())->title(), QString("Start with (X)"));
        QCOMPARE(qobject_cast<QGroupBox*>(window.text4->parentWidget())->title(), QString("End with (Y)"));
        QCOMPARE(window.start->text(), QString("Start Extracting"));
        QCOMPARE(window.closeButton->text(), QString("Close This Window"));
        QCOMPARE(window.help->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!window.form.windowIcon().isNull());
    }

    void stretches_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QStringList>("rows");
        const QStringList rain{"The rain in spain falls mainly on the plain."};
        QTest::newRow("help sample keeps the start marker") << rain << "p"
                                                            << "n" << QStringList{"pai", "plai"};
        QTest::newRow("start marker ignores case") << rain << "P"
                                                   << "n" << QStringList{"pai", "plai"};
        QTest::newRow("end marker keeps case") << rain << "p"
                                               << "N" << QStringList{};
        QTest::newRow("text after the last end gives nothing") << QStringList{"X1Y X2Y X3"} << "X"
                                                               << "Y" << QStringList{"X1", "X2"};
        QTest::newRow("start without end") << QStringList{"aXb"} << "X"
                                           << "Y" << QStringList{};
        QTest::newRow("end without start before it") << QStringList{"aYbXcY"} << "X"
                                                     << "Y" << QStringList{"Xc"};
        QTest::newRow("markers on different lines") << QStringList{"from <here", "to> there"} << "<"
                                                    << ">" << QStringList{"<here\r\nto"};
    }

    void stretches()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QStringList, rows);
        FakeToolWindowContext context(freshSettingsFile());
        context.inputs = {writeVcf(m_dir, "stretches.vcf", lines)};
        context.model.appendRow("row of an earlier run");
        BetweenWindow window(context);
        window.setMarkers(x, y);
        window.run();
        QCOMPARE(context.rows(), rows);
        QVERIFY(context.fakePlatform.boxes.isEmpty());
        QCOMPARE(context.progress.constLast(), (QPair<int, QString>{0, "Progress Bar"}));
    }

    void secondRun_listsTheSameStretchesAgain_data()
    {
        QTest::addColumn<bool>("showSource");
        QTest::newRow("results only") << false;
        QTest::newRow("beside the source") << true;
    }

    void secondRun_listsTheSameStretchesAgain()
    {
        QFETCH(bool, showSource);
        FakeToolWindowContext context(freshSettingsFile());
        context.inputs = {m_rain};
        context.options = {true, showSource};
        BetweenWindow window(context);
        window.setMarkers("p", "n");
        window.run();
        const QStringList first = context.rows();
        QCOMPARE(first.size(), 2);
        window.run();
        QCOMPARE(context.rows(), first);
    }

    void refusals_areMessagesAndTheRowsStay_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<bool>("withFiles");
        QTest::addColumn<QString>("message");
        const QString fillOut("Fill out starting text (or character) and fill out ending text (or character).");
        QTest::newRow("no start") << ""
                                  << "n" << true << fillOut;
        QTest::newRow("no end") << "p"
                                << "" << true << fillOut;
        QTest::newRow("no files") << "p"
                                  << "n" << false << "No files added.";
    }

    void refusals_areMessagesAndTheRowsStay()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(bool, withFiles);
        QFETCH(QString, message);
        FakeToolWindowContext context(freshSettingsFile());
        if (withFiles)
            context.inputs = {m_rain};
        context.model.appendRow("kept");
        BetweenWindow window(context);
        window.setMarkers(x, y);
        window.run();
        QCOMPARE(context.fakePlatform.messages(), QStringList{message});
        QCOMPARE(context.fakePlatform.lastBox().caption, QString("Cardisto"));
        QCOMPARE(context.rows(), QStringList{"kept"});
    }

    void markers_areSavedAtEveryChangeAndRestoredOnLoad()
    {
        const QString settings = freshSettingsFile();
        {
            FakeToolWindowContext context(settings);
            BetweenWindow window(context);
            QVERIFY(window.text3->text().isEmpty());
            QStringList savedStarts;
            QObject::connect(window.text3, &QLineEdit::textChanged, &window.form,
                             [&] { savedStarts.append(context.store.read(SettingKey::StartWith)); });
            QTest::keyClicks(window.text3, "ab ");
            QTest::keyClicks(window.text4, "</td>");
            QCOMPARE(savedStarts, (QStringList{"a", "ab", "ab "}));
        }
        FakeToolWindowContext restarted(settings);
        BetweenWindow window(restarted);
        QCOMPARE(window.text3->text(), QString("ab "));
        QCOMPARE(window.text4->text(), QString("</td>"));
    }

    void aStoreThatCannotBeWritten_isReportedOnceNotAtEveryKeystroke()
    {
        // A folder where the settings file should be: nothing can be written there.
        const QString folder = m_dir.filePath("settings-folder.ini");
        QVERIFY(QDir().mkpath(folder));
        FakeToolWindowContext context(folder);
        QStringList reported; // the store tells its owner once; the main window shows it
        context.settings().onFirstSaveFailure([&](const QString& location) { reported.append(location); });
        BetweenWindow window(context);
        QTest::keyClicks(window.text3, "abc");
        QTest::keyClicks(window.text4, "d");
        QCOMPARE(reported, QStringList{context.settings().location()});
        QVERIFY(context.reporter.reports.isEmpty());
        QCOMPARE(window.text3->text(), QString("abc"));
    }

    void close_hidesUntilTheMainWindowIsClosing_andReopeningKeepsTheTexts()
    {
        FakeToolWindowContext context(freshSettingsFile());
        BetweenWindow window(context);
        window.setMarkers("remove=", " target");
        QTest::mouseClick(window.closeButton, Qt::LeftButton);
        QVERIFY(window.form.isHidden());
        QVERIFY(!window.form.close()); // the close box is refused the same way
        window.form.showWithoutModality();
        QCOMPARE(window.text3->text(), QString("remove="));
        QCOMPARE(window.text4->text(), QString(" target"));
        context.closing = true;
        QVERIFY(window.form.close());
    }

    void hourglassShowsOnThisWindowWhileAFileIsRead()
    {
        FakeToolWindowContext context(freshSettingsFile());
        context.choice = ConversionChoice::allFields(); // reports its assembly while the file is read
        context.inputs = {test::writeFile(m_dir.filePath("all.vcf"), "EMAIL;TYPE=INTERNET:pan\r\n")};
        BetweenWindow window(context);
        window.setMarkers("p", "n");
        QList<Qt::CursorShape> seen;
        context.onAssembly = [&] {
            seen << window.form.cursor().shape() << window.start->cursor().shape();
        };
        window.run();
        QCOMPARE(seen, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
        QCOMPARE(window.start->cursor().shape(), Qt::PointingHandCursor);
    }

    void runFlag_refusesASecondRunOfThisWindowButNotOneOfTheOtherWindow()
    {
        FakeToolWindowContext context(freshSettingsFile());
        context.inputs = {writeVcf(m_dir, "pan.vcf", {"pan"})};
        BetweenWindow window(context);
        window.setMarkers("p", "n");
        Form3 textSets(context);
        bool pressed = false;
        context.onYield = [&] {
            if (std::exchange(pressed, true))
                return;
            window.run(); // refused: this window's run is going
            context.fakePlatform.enterText("a");
            textSets.PushButton2_Click();
            textSets.PushButton4_Click();
        };
        window.run();
        QVERIFY(pressed);
        // The text-set run appended its line to the rows the between run had cleared; then the
        // between run went on with its stretch.
        QCOMPARE(context.rows(), (QStringList{"pan", "pa"}));
    }
};

QTEST_MAIN(TestForm2)
#include "TestForm2.moc"
