// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, settings, pointers, help boxes and closing of the main window.

#include "Form1Fixture.h"
#include "shell/AppInfo.h"
#include "shell/widgets/HelpBox.h"
#include "shell/widgets/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace cardisto;
using namespace cardisto::test;

Q_DECLARE_METATYPE(cardisto::SettingKey)

namespace {

const char* const kFieldGroupBoxes[] = {"Check3", "Check4", "Check6", "Check8"};

// Stands in for a tool window: closing it only hides it until the main window is closing.
class HidingToolWindow final : public QWidget {
public:
    explicit HidingToolWindow(const MainWindowLink& link) : m_link(link) {}
    int refusals = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (m_link.isClosing())
            return event->accept();
        ++refusals;
        event->ignore();
        hide();
    }

private:
    const MainWindowLink& m_link;
};

} // namespace

class TestForm1Startup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStart_allFieldsEmptyListsAndOnlyTheOptionsStored()
    {
        Form1Fixture f;
        Form1& form = f.start();

        QVERIFY(f.control<QRadioButton>("Option1")->isChecked());
        QVERIFY(!f.control<QRadioButton>("Option2")->isChecked());
        for (const char* name : kFieldGroupBoxes) {
            QVERIFY2(!f.control<QCheckBox>(name)->isEnabled(), name);
            QCOMPARE(f.control<QCheckBox>(name)->checkState(), Qt::Unchecked);
        }
        QCOMPARE(f.control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
        QCOMPARE(f.control<QCheckBox>("Check14")->checkState(), Qt::Unchecked);
        QCOMPARE(f.control<QCheckBox>("Check15")->checkState(), Qt::Unchecked);
        QVERIFY(!f.form().conversionChoice().decodeLines);
        for (const char* name : {"Text1", "Text2", "Text5"})
            QCOMPARE(f.control<QLineEdit>(name)->text(), QString());

        auto* inputs = f.control<QTableView>("ListView1");
        auto* results = f.control<QTableView>("ListView2");
        QCOMPARE(inputs->model()->rowCount(), 0);
        QCOMPARE(inputs->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral(" VCF File(s)"));
        QCOMPARE(inputs->columnWidth(0), twipsToPixels(6700, inputs->logicalDpiX()));
        QCOMPARE(results->model()->rowCount(), 0);
        QCOMPARE(results->model()->columnCount(), 1);
        QCOMPARE(results->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Results"));
        QCOMPARE(results->columnWidth(0), twipsToPixels(7300, results->logicalDpiX()));
        QCOMPARE(inputs->toolTip(), InputFileList::toolTipText());
        QCOMPARE(results->toolTip(), QStringLiteral("Double-click item to remove it. Move | line to right and out of "
                                                    "window to reveal full names."));

        QCOMPARE(form.windowTitle(), QStringLiteral("Cardisto"));
        QCOMPARE(f.control<QProgressBar>("ProgressBar1")->text(), QStringLiteral("Progress Bar"));
        QCOMPARE(f.control<QProgressBar>("ProgressBar1")->value(), 0);
        QVERIFY(!form.isBusy());
        QVERIFY(!form.isClosing());
        QVERIFY(f.platform.boxes.isEmpty());

        QCOMPARE(f.store().read(SettingKey::Option1), QStringLiteral("True"));
        QCOMPARE(f.store().read(SettingKey::Option2), QStringLiteral("False"));
        for (SettingKey untouched : {SettingKey::Check1, SettingKey::Check14, SettingKey::EmailsOnly,
                                     SettingKey::PhoneNumbersOnly, SettingKey::NamesOnly, SettingKey::AddressesOnly,
                                     SettingKey::Text1, SettingKey::Text2, SettingKey::Text5, SettingKey::DecodeLines})
            QVERIFY2(!f.store().contains(untouched), qPrintable(settingDefinition(untouched).name));
    }

    void restart_restoresOptionsAndTexts()
    {
        Form1Fixture f;
        f.start();
        f.control<QRadioButton>("Option2")->click();
        QVERIFY(f.control<QCheckBox>("Check3")->isEnabled());
        f.control<QCheckBox>("Check3")->click();
        f.control<QCheckBox>("Check1")->click();
        f.control<QCheckBox>("Check15")->click();
        QCOMPARE(f.store().read(SettingKey::DecodeLines), QStringLiteral("1"));
        auto* text1 = f.control<QLineEdit>("Text1");
        QStringList saved;
        for (const char letter : {'a', 'b', 'c'}) {
            QTest::keyClick(text1, letter);
            saved.append(f.store().read(SettingKey::Text1));
        }
        QCOMPARE(saved, QStringList({"a", "ab", "abc"}));
        QTest::keyClicks(f.control<QLineEdit>("Text5"), QStringLiteral("1,3"));
        QCOMPARE(f.store().read(SettingKey::Option2), QStringLiteral("True"));
        QCOMPARE(f.store().read(SettingKey::EmailsOnly), QStringLiteral("1"));

        f.restart();
        QVERIFY(f.control<QRadioButton>("Option2")->isChecked());
        QVERIFY(!f.control<QRadioButton>("Option1")->isChecked());
        for (const char* name : kFieldGroupBoxes)
            QVERIFY2(f.control<QCheckBox>(name)->isEnabled(), name);
        QCOMPARE(f.control<QCheckBox>("Check3")->checkState(), Qt::Checked);
        QCOMPARE(f.control<QCheckBox>("Check4")->checkState(), Qt::Unchecked);
        QCOMPARE(f.control<QCheckBox>("Check1")->checkState(), Qt::Checked);
        QCOMPARE(f.control<QLineEdit>("Text1")->text(), QStringLiteral("abc"));
        QCOMPARE(f.control<QLineEdit>("Text5")->text(), QStringLiteral("1,3"));
        QCOMPARE(f.form().conversionChoice().mode, FieldMode::SomeFields);
        QCOMPARE(f.form().conversionChoice().groups, (FieldGroups{true, false, false, false}));
        QCOMPARE(f.control<QCheckBox>("Check15")->checkState(), Qt::Checked);
        QVERIFY(f.form().conversionChoice().decodeLines);
        f.control<QCheckBox>("Check15")->click();
        QCOMPARE(f.store().read(SettingKey::DecodeLines), QStringLiteral("0"));
        QVERIFY(!f.form().conversionChoice().decodeLines);

        // Emptying a box stores the empty text.
        f.control<QLineEdit>("Text1")->clear();
        QVERIFY(f.store().contains(SettingKey::Text1));
        QCOMPARE(f.store().read(SettingKey::Text1), QString());
    }

    void restart_optionKeys_data()
    {
        QTest::addColumn<QString>("option1");
        QTest::addColumn<QString>("option2");
        QTest::addColumn<bool>("allFields");
        QTest::addColumn<bool>("someFields");

        QTest::newRow("True False") << "True"
                                    << "False" << true << false;
        QTest::newRow("1 0 as True False") << "1"
                                           << "0" << true << false;
        QTest::newRow("False True") << "False"
                                    << "True" << false << true;
        QTest::newRow("0 -1 as False True") << "0"
                                            << "-1" << false << true;
        QTest::newRow("both true: the later one wins") << "True"
                                                       << "True" << false << true;
        QTest::newRow("neither") << "False"
                                 << "False" << false << false;
    }

    void restart_optionKeys()
    {
        QFETCH(QString, option1);
        QFETCH(QString, option2);
        QFETCH(bool, allFields);
        QFETCH(bool, someFields);
        Form1Fixture f;
        f.store().save(SettingKey::Option1, option1);
        f.store().save(SettingKey::Option2, option2);
        f.start();

        QCOMPARE(f.control<QRadioButton>("Option1")->isChecked(), allFields);
        QCOMPARE(f.control<QRadioButton>("Option2")->isChecked(), someFields);
        // The field groups are open unless "All Fields" is selected.
        QCOMPARE(f.control<QCheckBox>("Check3")->isEnabled(), !allFields);
        QCOMPARE(f.store().read(SettingKey::Option1), booleanSettingText(allFields));
        QCOMPARE(f.store().read(SettingKey::Option2), booleanSettingText(someFields));
        QVERIFY(f.platform.errors().isEmpty());
    }

    void allFields_disablesFieldGroupsButKeepsTheirTicks()
    {
        Form1Fixture f;
        f.start();
        f.control<QRadioButton>("Option2")->click();
        f.control<QCheckBox>("Check6")->click();
        f.control<QRadioButton>("Option1")->click();

        QVERIFY(!f.control<QCheckBox>("Check6")->isEnabled());
        QCOMPARE(f.control<QCheckBox>("Check6")->checkState(), Qt::Checked);
        QCOMPARE(f.store().read(SettingKey::NamesOnly), QStringLiteral("1"));
        QCOMPARE(f.store().read(SettingKey::Option1), QStringLiteral("True"));
        QCOMPARE(f.store().read(SettingKey::Option2), QStringLiteral("False"));
        QCOMPARE(f.form().conversionChoice().mode, FieldMode::AllFields);
    }

    void unconvertibleStoredValue_reportedAtFormLoad_data()
    {
        QTest::addColumn<SettingKey>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("line");

        QTest::newRow("Option1 letters") << SettingKey::Option1 << "maybe"
                                         << "Type mismatch" << 120;
        QTest::newRow("Check14 too large") << SettingKey::Check14 << "40000"
                                           << "Overflow" << 126;
        QTest::newRow("Check1 letters") << SettingKey::Check1 << "abc"
                                        << "Type mismatch" << 128;
        QTest::newRow("E-mails no check state") << SettingKey::EmailsOnly << "3"
                                                << "Invalid property value" << 130;
        QTest::newRow("Addresses empty") << SettingKey::AddressesOnly << ""
                                         << "Type mismatch" << 136;
        QTest::newRow("Decode lines letters") << SettingKey::DecodeLines << "abc"
                                              << "Type mismatch" << 144;
    }

    void unconvertibleStoredValue_reportedAtFormLoad()
    {
        QFETCH(SettingKey, key);
        QFETCH(QString, stored);
        QFETCH(QString, description);
        QFETCH(int, line);
        Form1Fixture f;
        f.store().save(SettingKey::Option1, QStringLiteral("False"));
        f.store().save(SettingKey::Option2, QStringLiteral("True"));
        f.store().save(SettingKey::Check1, QStringLiteral("1"));
        f.store().save(SettingKey::AddressesOnly, QStringLiteral("1"));
        f.store().save(key, stored);
        f.store().save(SettingKey::Text5, QStringLiteral("2,4"));
        f.start();

        QCOMPARE(f.platform.errors(),
                 QStringList{description + QStringLiteral("\r\nin Velmora2021/08/31.Form1.Form_Load at line ") +
                             QString::number(line) + QStringLiteral("\r\rPlease email screenshot of this message to ") +
                             supportAddress()});
        QCOMPARE(f.platform.lastBox().caption, QStringLiteral("Application Error"));
        // Start-up went on after the failing step. A stored check state is left for the user to fix;
        // the option keys are always saved again from the options as they came out.
        QCOMPARE(f.control<QLineEdit>("Text5")->text(), QStringLiteral("2,4"));
        QCOMPARE(f.store().read(key), key == SettingKey::Option1 ? QStringLiteral("False") : stored);
        if (key == SettingKey::Check1)
            QCOMPARE(f.control<QCheckBox>("Check1")->checkState(), Qt::Unchecked); // as designed
        else
            QCOMPARE(f.control<QCheckBox>("Check1")->checkState(), Qt::Checked);
    }

    void websiteVisit_onlyOnADrawOfSeven_data()
    {
        QTest::addColumn<double>("uniform");
        QTest::addColumn<QString>("website");
        QTest::addColumn<bool>("visits");
        QTest::newRow("draw 7") << 0.06 << websiteAddress() << true;
        QTest::newRow("draw 6") << 0.0599 << websiteAddress() << false;
        QTest::newRow("draw 8") << 0.07 << websiteAddress() << false;
        QTest::newRow("draw 7, no website") << 0.06 << QString() << false;
    }

    void websiteVisit_onlyOnADrawOfSeven()
    {
        QFETCH(double, uniform);
        QFETCH(QString, website);
        QFETCH(bool, visits);
        Form1Fixture f;
        f.website = website;
        f.start(uniform);
        QCOMPARE(f.platform.openedWebAddresses(), visits ? QStringList{websiteAddress()} : QStringList());
        QVERIFY(f.platform.boxes.isEmpty());
    }

    void skin_appliedOnlyWhenPresent()
    {
        Form1Fixture f;
        QCOMPARE(f.start().styleSheet(), QString());
        QDir(f.programFolder()).mkpath(QStringLiteral("x"));
        const QByteArray sheet = "QPushButton { color: navy; }";
        f.writeFile(QStringLiteral("program/x/skin.qss"), sheet);
        QCOMPARE(f.restart().styleSheet(), QString::fromLatin1(sheet));
    }

    void pointer_handOverButtonsDefaultElsewhereHourglassWins()
    {
        Form1Fixture f;
        QVERIFY(QFile::copy(QStringLiteral(CARDISTO_BINARY_DIR "/HAND-M.CUR"), f.programFolder() + "/HAND-M.CUR"));
        Form1& form = f.start();
        QCOMPARE(form.handPointer().shape(), Qt::BitmapCursor);

        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(f.control<QPushButton>("PushButton13"), &enter);
        QCOMPARE(form.cursor().shape(), Qt::BitmapCursor);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.control<QTableView>("ListView2")->viewport(), &move);
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);

        form.setBusy(true);
        QCoreApplication::sendEvent(f.control<QPushButton>("PushButton7"), &enter);
        QCoreApplication::sendEvent(f.control<QTableView>("ListView1")->viewport(), &move);
        QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
        QVERIFY(form.isBusy());
        form.setBusy(false);
        QVERIFY(!form.isBusy());
    }

    void pointer_withoutHandFileThePointingHand()
    {
        Form1Fixture f;
        QCOMPARE(f.start().handPointer().shape(), Qt::PointingHandCursor);
        QVERIFY(f.platform.errors().isEmpty());
    }

    void helpButtons_showTheirBoxes()
    {
        Form1Fixture f;
        f.start();
        f.control<QPushButton>("PushButton22")->click();
        f.control<QPushButton>("PushButton10")->click();
        QCOMPARE(f.platform.messages(),
                 QStringList({helpBoxText(),
                              "If one of the files has this for content:\r\rA\rB\rC\rD\rE\rF\rG\r\rand your input is: "
                              "1,3,4\r\rthen \r\rA\rC\rD\r\rwill be extracted.\r\rThe same lines will be extracted "
                              "throughout all the files you add to the list."}));
        QCOMPARE(f.platform.lastBox().caption, QStringLiteral("Cardisto"));
    }

    void closing_setsTheFlagAndClosesTheToolWindows()
    {
        Form1Fixture f;
        Form1& form = f.start();
        HidingToolWindow tool(form);
        form.show();
        tool.show();
        tool.close();
        QCOMPARE(tool.refusals, 1);
        tool.show();

        QVERIFY(form.close());
        QVERIFY(form.isClosing());
        QVERIFY(!form.isVisible());
        QVERIFY(!tool.isVisible());
        QCOMPARE(tool.refusals, 1);
        QVERIFY(f.platform.errors().isEmpty());
    }
};

QTEST_MAIN(TestForm1Startup)
#include "TestForm1Startup.moc"
