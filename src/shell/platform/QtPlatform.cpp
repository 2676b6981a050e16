// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPlatform.h"

#include "QtDialogs.h"
#include "SpreadsheetApplication.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QPushButton>
#include <QProcess>
#include <QUrl>

namespace cardisto {

namespace {

QWidget* dialogOwner()
{
    return QApplication::activeWindow();
}

// Opens a local file or folder with the desktop's default program.
bool openLocally(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
}

// None without a GUI application.
QClipboard* applicationClipboard()
{
    return QGuiApplication::instance() ? QGuiApplication::clipboard() : nullptr;
}

} // namespace

void QtPlatform::doShowMessage(const QString& text, const QString& caption)
{
    makeMessageBox(QMessageBox::NoIcon, text, caption, QMessageBox::Ok, dialogOwner())->exec();
}

bool QtPlatform::doAskYesNo(const QString& text, const QString& caption)
{
    const auto box =
        makeMessageBox(QMessageBox::NoIcon, text, caption, QMessageBox::Yes | QMessageBox::No, dialogOwner());
    return box->exec() == QMessageBox::Yes;
}

bool QtPlatform::doShowMessageOffering(const QString& text, const QString& buttonCaption, const QString& caption)
{
    const auto box = makeMessageBox(QMessageBox::NoIcon, text, caption, QMessageBox::Ok, dialogOwner());
    const QAbstractButton* offered = box->addButton(buttonCaption, QMessageBox::ActionRole);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok); // with a second button Qt would leave Esc to neither
    box->exec();
    return box->clickedButton() == offered;
}

void QtPlatform::doShowErrorBox(const QString& text, const QString& caption)
{
    makeMessageBox(QMessageBox::Warning, text, caption, QMessageBox::Ok, dialogOwner())->exec();
}

QString QtPlatform::doInputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    const auto dialog = makeInputDialog(prompt, title, defaultText, dialogOwner());
    return dialog->exec() == QDialog::Accepted ? dialog->textValue() : QString();
}

FileSelection QtPlatform::doChooseFilesToOpen(const QString& title, const QString& filter)
{
    const auto dialog = makeOpenFilesDialog(title, filter, m_lastFileFolder, dialogOwner());
    if (dialog->exec() != QDialog::Accepted)
        return FileSelection::cancelled();
    m_lastFileFolder = dialog->directory().absolutePath();
    QStringList paths;
    for (const QString& path : dialog->selectedFiles())
        paths.append(QDir::toNativeSeparators(path));
    return FileSelection::fromChosenPaths(paths);
}

QString QtPlatform::doChooseSaveFileName(const QString& title, const QString& filter)
{
    const auto dialog = makeSaveDialog(title, filter, m_lastFileFolder, dialogOwner());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    m_lastFileFolder = dialog->directory().absolutePath();
    return QDir::toNativeSeparators(dialog->selectedFiles().constFirst());
}

QString QtPlatform::doBrowseForFolder(const QString& title, const QString& startFolder)
{
    const auto dialog = makeFolderDialog(title, startFolder, dialogOwner());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(dialog->selectedFiles().constFirst());
}

bool QtPlatform::doClearClipboard()
{
    QClipboard* clipboard = applicationClipboard();
    if (!clipboard)
        return false;
    clipboard->clear(QClipboard::Clipboard);
    return true;
}

bool QtPlatform::doSetClipboardText(const QString& text)
{
    QClipboard* clipboard = applicationClipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    return true;
}

bool QtPlatform::doOpenWebAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

bool QtPlatform::doOpenFolder(const QString& path)
{
    return openLocally(path);
}

bool QtPlatform::doOpenDocument(const QString& path)
{
    return openLocally(path);
}

bool QtPlatform::doHasSpreadsheetApplication()
{
    return findSpreadsheetApplication().has_value();
}

bool QtPlatform::doOpenSpreadsheet(const QString& path)
{
    const std::optional<SpreadsheetApplication> application = findSpreadsheetApplication();
    if (!application)
        return false;
    if (application->kind == SpreadsheetApplication::Kind::DesktopDefault)
        return openLocally(path);
    // The program outlives the command and the window: it is the user's to close.
    return QProcess::startDetached(application->name, {QDir::fromNativeSeparators(path)});
}

} // namespace cardisto
