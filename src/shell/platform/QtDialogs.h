// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <memory>

namespace cardisto {

// The dialogs QtPlatform shows, built ready to exec(). Kept apart so that tests can check them
// without showing them. All are Qt's own widget dialogs, never the desktop's native ones, so they
// behave the same everywhere.

// Message texts break lines with CR LF or a lone CR; Qt shows line breaks only for LF.
QString boxDisplayText(const QString& text);

// A box showing the text as plain text (never as markup), with the given icon and buttons. It is
// wide enough for its caption; a web address in the text starts a line of its own and is never
// broken; a screen reader finds the text as the box's description.
std::unique_ptr<QMessageBox> makeMessageBox(QMessageBox::Icon icon, const QString& text, const QString& caption,
                                            QMessageBox::StandardButtons buttons, QWidget* parent);

std::unique_ptr<QInputDialog> makeInputDialog(const QString& prompt, const QString& title, const QString& defaultText,
                                              QWidget* parent);

// Several existing files; filter in the program's "|" form.
std::unique_ptr<QFileDialog> makeOpenFilesDialog(const QString& title, const QString& filter, const QString& folder,
                                                 QWidget* parent);

// Any name, no suffix added, no overwrite question (the program asks itself).
std::unique_ptr<QFileDialog> makeSaveDialog(const QString& title, const QString& filter, const QString& folder,
                                            QWidget* parent);

// Folders only, starting in the given folder.
std::unique_ptr<QFileDialog> makeFolderDialog(const QString& title, const QString& startFolder, QWidget* parent);

} // namespace cardisto
