// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QTableView;

namespace cardisto {

class MainWindowLink;

// The commands of the input file list (ListView1) and its buttons.
class InputListCommands final : public QObject {
    Q_OBJECT
public:
    // Watches the view for the Delete key.
    InputListCommands(MainWindowLink& link, QTableView* view);

    // "Add VCF Files" (PushButton1): the open dialog; one path as chosen, or the folder joined with
    // each chosen name. A selection too long for the dialog's answer adds nothing and says so.
    void addFiles();
    // "Remove Filenames Containing X" (PushButton3) and "Remove Filenames Not Cont. X"
    // (PushButton11): asks for a text and removes the rows whose path contains it, in any letter
    // case (or does not); an empty answer removes nothing.
    void removeFilesContaining();
    void removeFilesNotContaining();
    // "Clear List" (PushButton14): all rows, unless the window is busy.
    void clearList();
    // Double-click or Delete: the selected row, unless the window is busy; the row that takes its
    // place is selected next.
    void removeSelectedRow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void removeByFilter(bool containing);

    MainWindowLink& m_link;
    QTableView* m_view;
};

} // namespace cardisto
