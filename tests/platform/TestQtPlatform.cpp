// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AppInfo.h"
#include "shell/ErrorReport.h"
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
#include <algorithm>
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
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        const QString help = QStringLiteral("Questions? Please contact Team Corvane at ") + contactPageAddress();
        QTest::newRow("Help box, with the button to About") << "offering" << help;
        QTest::newRow("Done.") << "message" << "Done.";
        QTest::newRow("a web address in a long line")
            << "message"
            << "The manual that came with the program, and much more, is at https://www.corvane.example/cardisto/"
               "manual/extraction-commands/index.html for everyone who wants to read it.";
        QTest::newRow("error box") << "error" << errorBoxText("Path not found", ErrorLocation::velmora("Form1", "Form_Load"), 100);
    }
    void boxes_showTheirWholeCaptionAndWebAddressesExposeTheirTextAndCloseWithEsc()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        int boxWidth = 0;
        int captionWidth = 0;
        QStringList problems;
        QString description;
        bool closedByEsc = false;
        whenModalShows([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            QFont bold = box->font();
            bold.setBold(true);
            boxWidth = box->width();
            captionWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
            // Each address whole on one line: it starts a line, and the text is as wide as it.
            const QLabel* label = box->findChild<QLabel*>("qt_msgbox_label");
            static const QRegularExpression address("https?://\\S+");
            for (auto match = address.globalMatch(text); match.hasNext();) {
                const QString found = match.next().captured();
                const QStringList lines = box->text().split(u'\n');
                if (std::none_of(lines.cbegin(), lines.cend(), [&](const QString& line) { return line.startsWith(found); }))
                    problems.append(found + " follows other words on its line");
                if (label->width() < QFontMetrics(label->font()).horizontalAdvance(found))
                    problems.append(found + " wider than the text");
            }
            // Nothing of the text cut off: it is wrapped to the label's width, or fits on its lines.
            if (label->width() < label->minimumSizeHint().width() ||
                (label->wordWrap() && label->height() < label->heightForWidth(label->width())))
                problems.append("the text is cut off");
            description = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
            QTest::keyClick(box, Qt::Key_Escape);
            closedByEsc = !box->isVisible();
            if (!closedByEsc)
                box->button(QMessageBox::Ok)->click();
        });
        if (kind == u"offering")
            QVERIFY(!m_platform.showMessageOffering(text, "About Cardisto"));
        else if (kind == u"error")
            m_platform.showErrorBox(text);
        else
            m_platform.showMessage(text);
        QVERIFY(closedByEsc);
        // The title bar shows the caption beside the window's icon and buttons.
        QVERIFY2(boxWidth >= captionWidth + 100, qPrintable(QString("%1 < %2 + 100").arg(boxWidth).arg(captionWidth)));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
        QCOMPARE(description, boxDisplayText(text));
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
