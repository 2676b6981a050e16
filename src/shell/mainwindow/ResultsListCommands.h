// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTableView;

namespace cardisto {

class MainWindowLink;

// The commands of the results list (ListView2) that need nothing but the list.
class ResultsListCommands {
public:
    ResultsListCommands(MainWindowLink& link, QTableView* view) : m_link(link), m_view(view) {}

    // Double-click or Delete: removes the selected result row, unless the window is busy; the row
    // that takes its place is selected next.
    void removeSelectedRow();
    // "Clear List" (PushButton9): removes every row; the column headers stay.
    void clearResultsList();

private:
    MainWindowLink& m_link;
    QTableView* m_view;
};

} // namespace cardisto
