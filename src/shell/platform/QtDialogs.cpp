// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include "FileDialogFilter.h"

#include <QDir>

namespace cardisto {

namespace {

void prepareFileDialog(QFileDialog& dialog, const QString& title, const QString& folder)
{
    dialog.setWindowTitle(title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!folder.isEmpty())
        dialog.setDirectory(QDir::fromNativeSeparators(folder));
}

void applyFilter(QFileDialog& dialog, const QString& filter)
{
    const QStringList filters = qtNameFilters(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
}

} // namespace

QString boxDisplayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

std::unique_ptr<QMessageBox> makeMessageBox(QMessageBox::Icon icon, const QString& text, const QString& caption,
                                            QMessageBox::StandardButtons buttons, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(icon, caption, boxDisplayText(text), buttons, parent);
    box->setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::Yes) && buttons.testFlag(QMessageBox::No)) {
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    }
    return box;
}

std::unique_ptr<QInputDialog> makeInputDialog(const QString& prompt, const QString& title, const QString& defaultText,
                                              QWidget* parent)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(title);
    dialog->setLabelText(boxDisplayText(prompt));
    dialog->setTextValue(defaultText);
    return dialog;
}

std::unique_ptr<QFileDialog> makeOpenFilesDialog(const QString& title, const QString& filter, const QString& folder,
                                                 QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    prepareFileDialog(*dialog, title, folder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    applyFilter(*dialog, filter);
    return dialog;
}

std::unique_ptr<QFileDialog> makeSaveDialog(const QString& title, const QString& filter, const QString& folder,
                                            QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    prepareFileDialog(*dialog, title, folder);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setDefaultSuffix(QString());
    applyFilter(*dialog, filter);
    return dialog;
}

std::unique_ptr<QFileDialog> makeFolderDialog(const QString& title, const QString& startFolder, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    prepareFileDialog(*dialog, title, startFolder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly, true);
    return dialog;
}

} // namespace cardisto
