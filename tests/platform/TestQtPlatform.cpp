// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AppInfo.h"
#include "shell/platform/QtDialogs.h"
#include "shell/platform/QtPlatform.h"
#include "support/TestFiles.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QClipboard>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace cardisto;

namespace {

// Runs the action on the next modal box or dialog once it shows, from inside its event loop.
void whenModalShows(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

} // namespace

// Opening web addresses and files is caught here instead of starting a browser.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

class TestQtPlatform : public QObject {
    Q_OBJECT
private:
    QtPlatform m_platform;
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void messageBox_showsLoneCarriageReturnsAsLineBreaks()
    {
        QString shown, caption;
        QMessageBox::Icon icon = QMessageBox::Critical;
        QMessageBox::StandardButtons buttons;
        Qt::TextFormat format = Qt::RichText;
        whenModalShows([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            shown = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
        m_platform.showMessage("Results have been copied.\r\rClick <here>\r\nthen paste.");
        QCOMPARE(shown, QStringLiteral("Results have been copied.\n\nClick <here>\nthen paste."));
        QCOMPARE(caption, QStringLiteral("Cardisto"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(format, Qt::PlainText); // file names with "<" are never taken for markup
    }

    void errorBox_hasWarningIconAndItsCaption()
    {
        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModalShows([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            caption = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        m_platform.showErrorBox("Path not found\r\nin Velmora2021/08/31.Form1.Form_Load at line 100");
        QCOMPARE(caption, QStringLiteral("Application Error"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    void question_isYesOnlyForYes()
    {
        whenModalShows([](QWidget* widget) { qobject_cast<QMessageBox*>(widget)->button(QMessageBox::Yes)->click(); });
        QVERIFY(m_platform.askYesNo("Are you sure you wish to overwrite a.txt ?"));
        whenModalShows([](QWidget* widget) { qobject_cast<QMessageBox*>(widget)->button(QMessageBox::No)->click(); });
        QVERIFY(!m_platform.askYesNo("Are you sure you wish to overwrite a.txt ?"));
        whenModalShows([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
        QVERIFY(!m_platform.askYesNo("Are you sure you wish to overwrite a.txt ?"));
    }

    void boxes_showTheirWholeCaptionAndWebAddressesExposeTheirTextAndCloseWithEsc_data()
    {
        QTest::addColumn<bool>("offering"); // the Help box's button to About
        QTest::addColumn<QString>("text");
        QTest::newRow("Help box") << true << "Questions? Please contact Team Corvane at " + contactPageAddress();
        QTest::newRow("Done.") << false << "Done.";
    }
    void boxes_showTheirWholeCaptionAndWebAddressesExposeTheirTextAndCloseWithEsc()
    {
        QFETCH(bool, offering);
        QFETCH(QString, text);
        QStringList problems;
        whenModalShows([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            const QLabel* label = box->findChild<QLabel*>("qt_msgbox_label");
            QFont title = box->font();
            title.setBold(true);
            // The title bar shows the caption beside the window's icon and buttons.
            if (box->width() < QFontMetrics(title).horizontalAdvance(box->windowTitle()) + 100)
                problems << "caption cut";
            if (label->width() < label->minimumSizeHint().width() ||
                (label->wordWrap() && label->height() < label->heightForWidth(label->width())))
                problems << "text cut";
            // An address starts a line, and the text is wide enough for it: it is never broken.
            const QString address = QRegularExpression("https?://\\S+").match(text).captured();
            if (!address.isEmpty() && (!box->text().contains(u'\n' + address) ||
                                       label->width() < QFontMetrics(label->font()).horizontalAdvance(address)))
                problems << "address broken";
            if (QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description) != boxDisplayText(text))
                problems << "no description";
            QTest::keyClick(box, Qt::Key_Escape);
            if (box->isVisible()) {
                problems << "Esc did not close it";
                box->button(QMessageBox::Ok)->click();
            }
        });
        if (offering)
            QVERIFY(!m_platform.showMessageOffering(text, "About Cardisto"));
        else
            m_platform.showMessage(text);
        QCOMPARE(problems, QStringList());
    }

    void inputBox_givesTheTextOrEmptyOnCancel()
    {
        QString title, label, preset;
        whenModalShows([&](QWidget* widget) {
            auto* dialog = qobject_cast<QInputDialog*>(widget);
            title = dialog->windowTitle();
            label = dialog->labelText();
            preset = dialog->textValue();
            dialog->setTextValue(" VCF");
            dialog->accept();
        });
        QCOMPARE(m_platform.inputBox("Remove entries containing: "), QStringLiteral(" VCF"));
        QCOMPARE(title, QStringLiteral("Cardisto"));
        QCOMPARE(label, QStringLiteral("Remove entries containing: "));
        QCOMPARE(preset, QString());

        whenModalShows([](QWidget* widget) { qobject_cast<QInputDialog*>(widget)->reject(); });
        QCOMPARE(m_platform.inputBox("Enter text:", "Own", "preset"), QString());
    }

    void openDialog_returnsTheFolderFollowedByNames()
    {
        const QString folder = m_dir.filePath("open");
        QVERIFY(QDir().mkpath(folder));
        test::writeFile(folder + "/a.vcf", {});
        test::writeFile(folder + "/b.vcf", {});
        QString title;
        QStringList filters;
        bool native = true;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        whenModalShows([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            mode = dialog->fileMode();
            dialog->setDirectory(folder);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("\"b.vcf\" \"a.vcf\"");
            static_cast<QDialog*>(dialog)->accept();
        });
        const FileSelection selection = m_platform.chooseFilesToOpen("Add File(s) - Hold Ctrl to select multiple files",
                                                                     "VCF Files (*.vcf)|*.vcf|");
        QCOMPARE(title, QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
        QCOMPARE(filters, QStringList{"VCF Files (*.vcf)"});
        QVERIFY(!native);
        QCOMPARE(mode, QFileDialog::ExistingFiles);
        QCOMPARE(selection.parts(), QStringList({QDir::toNativeSeparators(folder), "b.vcf", "a.vcf"}));

        // The next dialog starts where this one ended; a cancel gives nothing.
        QString startFolder;
        whenModalShows([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            startFolder = dialog->directory().absolutePath();
            dialog->reject();
        });
        QVERIFY(m_platform.chooseFilesToOpen("Add", "All Files (*.*)|*.*|").isCancelled());
        QCOMPARE(startFolder, folder);
    }

    void saveDialog_takesTheNameAsTypedAndNeverAsksToOverwrite()
    {
        const QString folder = m_dir.filePath("save");
        QVERIFY(QDir().mkpath(folder));
        test::writeFile(folder + "/existing", {});
        const auto dialog = makeSaveDialog("Save", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|", folder, nullptr);
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog->defaultSuffix(), QString());
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->nameFilters(), QStringList({"Text Files (*.txt)", "All Files (*)"}));

        whenModalShows([&](QWidget* widget) {
            auto* shown = qobject_cast<QFileDialog*>(widget);
            shown->setDirectory(folder);
            shown->findChild<QLineEdit*>("fileNameEdit")->setText("existing");
            static_cast<QDialog*>(shown)->accept();
        });
        QCOMPARE(m_platform.chooseSaveFileName("Save", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"),
                 QDir::toNativeSeparators(folder + "/existing"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void folderBrowser_startsInTheGivenFolder()
    {
        const QString folder = m_dir.filePath("browse");
        QVERIFY(QDir().mkpath(folder));
        const auto dialog = makeFolderDialog("Select folder", folder, nullptr);
        QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);

        QString title;
        whenModalShows([&](QWidget* widget) {
            title = widget->windowTitle();
            qobject_cast<QDialog*>(widget)->accept();
        });
        QCOMPARE(m_platform.browseForFolder("Select folder", folder), QDir::toNativeSeparators(folder));
        QCOMPARE(title, QStringLiteral("Select folder"));
        whenModalShows([](QWidget* widget) { qobject_cast<QFileDialog*>(widget)->reject(); });
        QCOMPARE(m_platform.browseForFolder("Select folder", folder), QString());
    }

    void clipboard_setAndClear()
    {
        QVERIFY(m_platform.setClipboardText("a\tb\r\n"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\tb\r\n"));
        QVERIFY(m_platform.clearClipboard());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void shellOpen_handsAddressesAndPathsToTheDesktop()
    {
        OpenedUrls opened;
        for (const char* scheme : {"https", "file"})
            QDesktopServices::setUrlHandler(scheme, &opened, "open");
        QVERIFY(m_platform.openWebAddress("https://www.corvane.example/"));
        QVERIFY(m_platform.openFolder(QDir::toNativeSeparators(m_dir.path())));
        QVERIFY(m_platform.openDocument(QDir::toNativeSeparators(m_dir.filePath("a.txt"))));
        for (const char* scheme : {"https", "file"})
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(opened.urls, QList<QUrl>({QUrl("https://www.corvane.example/"), QUrl::fromLocalFile(m_dir.path()),
                                           QUrl::fromLocalFile(m_dir.filePath("a.txt"))}));
    }
};

QTEST_MAIN(TestQtPlatform)
#include "TestQtPlatform.moc"
