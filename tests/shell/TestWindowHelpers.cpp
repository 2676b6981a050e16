// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AppInfo.h"
#include "shell/ErrorReport.h"
#include "shell/ProgramFolder.h"
#include "shell/SettingsStore.h"
#include "shell/widgets/ApplicationIcon.h"
#include "shell/widgets/HelpBox.h"
#include "shell/widgets/Skin.h"
#include "shell/widgets/WebsiteVisit.h"
#include "shell/widgets/WindowColours.h"
#include "support/FakePlatform.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace cardisto;
using test::FakePlatform;

namespace {

// A window with one control of every kind that matters to the colours.
struct SampleWindow {
    QWidget window;
    QGroupBox* group = new QGroupBox("Extract From", &window);
    QCheckBox* check = new QCheckBox("E-mails", group);
    QRadioButton* option = new QRadioButton("All Fields", group);
    QLabel* label = new QLabel("Start with (X)", &window);
    QFrame* frame = new QFrame(&window);
    QPushButton* button = new QPushButton("Help", &window);
    QLineEdit* edit = new QLineEdit(&window);
    QListView* list = new QListView(&window);
    QProgressBar* bar = new QProgressBar(&window);
    QDialog* ownedWindow = new QDialog(&window);
    QLabel* labelOfOwnedWindow = new QLabel("other window", ownedWindow);

    QList<QWidget*> recoloured() const { return {&const_cast<QWidget&>(window), group, check, option, label, frame}; }
    QList<QWidget*> untouched() const { return {button, edit, list, bar, ownedWindow, labelOfOwnedWindow}; }
};

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

bool hasStandardColour(const QWidget* widget)
{
    return widget->testAttribute(Qt::WA_SetPalette) && widget->autoFillBackground() &&
           widget->palette().color(QPalette::Window) == buttonFace();
}

} // namespace

class TestWindowHelpers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void standardColours_onlyOnTheWindowAndItsPlainControls()
    {
        SampleWindow sample;
        ApplyStandardColours(&sample.window);
        for (QWidget* widget : sample.recoloured())
            QVERIFY2(hasStandardColour(widget), widget->metaObject()->className());
        for (QWidget* widget : sample.untouched())
            QVERIFY2(!widget->testAttribute(Qt::WA_SetPalette), widget->metaObject()->className());
    }

    void skin_withoutItsFileChangesNothing()
    {
        QTemporaryDir folder;
        SampleWindow sample;
        QVERIFY(!ApplySkin(&sample.window, ProgramFolder(folder.path())));
        QCOMPARE(sample.window.styleSheet(), QString());
        for (QWidget* widget : sample.recoloured())
            QVERIFY(!widget->testAttribute(Qt::WA_SetPalette));
    }

    void skin_isTheStyleSheetInFolderX()
    {
        QTemporaryDir folder;
        const QByteArray styleSheet = "QPushButton { border-radius: 4px; }";
        QVERIFY(QDir(folder.path()).mkdir("x"));
        test::writeFile(folder.filePath("x/skin.qss"), styleSheet);
        SampleWindow sample;
        QCOMPARE(skinFilePath(ProgramFolder(folder.path())), QDir::toNativeSeparators(folder.filePath("x/skin.qss")));
        QVERIFY(ApplySkin(&sample.window, ProgramFolder(folder.path())));
        QCOMPARE(sample.window.styleSheet(), QString::fromUtf8(styleSheet));
        QVERIFY(hasStandardColour(sample.check));
    }

    void unreadableSkin_isAFailureNamingTheFile()
    {
        QTemporaryDir folder;
        QVERIFY(QDir().mkpath(folder.filePath("x/skin.qss"))); // a folder where the file should be
        SampleWindow sample;
        try {
            ApplySkin(&sample.window, ProgramFolder(folder.path()));
            QFAIL("a skin that cannot be read must be reported");
        } catch (const ProcedureFailure& failure) {
            QVERIFY(failure.description().contains(QStringLiteral("skin.qss")));
        }
        QCOMPARE(sample.window.styleSheet(), QString());
    }

    void websiteVisit_onlyForADrawOfSeven_data()
    {
        QTest::addColumn<double>("uniform");
        QTest::addColumn<int>("draw");
        QTest::addColumn<bool>("visits");
        QTest::newRow("lowest") << 0.0 << 1 << false;
        QTest::newRow("just below seven") << 0.0599 << 6 << false;
        QTest::newRow("seven from its lower end") << 0.06 << 7 << true;
        QTest::newRow("seven from its upper end") << 0.0699 << 7 << true;
        QTest::newRow("eight") << 0.07 << 8 << false;
        QTest::newRow("highest") << 0.9999 << 100 << false;
    }
    void websiteVisit_onlyForADrawOfSeven()
    {
        QFETCH(double, uniform);
        QFETCH(int, draw);
        QFETCH(bool, visits);
        QCOMPARE(drawOneToHundred(uniform), draw);
        FakePlatform platform;
        QCOMPARE(MaybeVisitWebsite(platform, websiteAddress(), [=] { return uniform; }), visits);
        QCOMPARE(platform.openedWebAddresses(), visits ? QStringList{websiteAddress()} : QStringList());
        QVERIFY(platform.boxes.isEmpty());
        // A build that names no website, or a user who switched the visit off, never visits.
        QVERIFY(!MaybeVisitWebsite(platform, QString(), [=] { return uniform; }));
        QCOMPARE(platform.openedWebAddresses().size(), visits ? 1 : 0);
    }

    void websiteToVisit_theBuildsUnlessSwitchedOff_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("stored"); // "Visit Website"; null: never written
        QTest::addColumn<QString>("expected");
        const QString site = websiteAddress();
        QTest::newRow("build names none") << QString() << QString() << QString();
        QTest::newRow("build names one, user silent") << site << QString() << site;
        QTest::newRow("user allows it") << site << "true" << site;
        QTest::newRow("user switched it off") << site << "False" << QString();
        QTest::newRow("user wrote zero") << site << "0" << QString();
        QTest::newRow("no truth value: off") << site << "never!" << QString();
        QTest::newRow("user allows, build names none") << QString() << "True" << QString();
    }
    void websiteToVisit_theBuildsUnlessSwitchedOff()
    {
        QFETCH(QString, built);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        SettingsStore settings(folder.filePath("settings.ini"));
        if (!stored.isNull())
            QVERIFY(settings.save(SettingKey::VisitWebsite, stored));
        QCOMPARE(websiteToVisit(built, settings), expected);
    }

    void websiteVisit_staysQuietWhenTheDesktopRefuses()
    {
        FakePlatform platform;
        platform.refuseToOpen();
        QVERIFY(!MaybeVisitWebsite(platform, websiteAddress(), [] { return 0.065; }));
        QVERIFY(
            !MaybeVisitWebsite(platform, websiteAddress(), []() -> double { throw std::runtime_error("no clock"); }));
        QVERIFY(platform.boxes.isEmpty());
    }

    void helpBox_namesTheContactPage()
    {
        FakePlatform platform;
        showHelpBox(platform);
        QCOMPARE(platform.messages(),
                 QStringList{"Questions? Please contact Team Corvane at https://www.corvane.example/contact"});
        QCOMPARE(platform.lastBox().caption, QStringLiteral("Cardisto"));
    }

    void applicationIcon_isBuiltIn()
    {
        const QIcon icon = applicationIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(64, 64)).size(), QSize(64, 64));
    }
};

QTEST_MAIN(TestWindowHelpers)
#include "TestWindowHelpers.moc"
