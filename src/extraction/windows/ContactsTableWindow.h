// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolWindow.h"

#include <QTimer>
#include <memory>

class QLabel;
class QPushButton;
class QTableView;

namespace cardisto {

class ContactsTableModel;
class ContactsTableOutputHost;
class TableFillHost;

// "Contacts Table": the contacts of the main window's input files, one row per contact, in the
// columns Google Contacts reads, with a first column "Source" while "Show source filename" is
// ticked; the field choice does not matter. The table fills when the window is shown and again
// when the input list changes while it is, read on the worker with the main window's progress
// bar; Esc stops a fill, keeping what it read. "Save As CSV", "Save As Excel File" and "Copy"
// write the table out.
class ContactsTableWindow final : public ToolWindow {
    Q_OBJECT
public:
    explicit ContactsTableWindow(ToolWindowContext& context, QWidget* parent = nullptr);
    ~ContactsTableWindow() override;

    static QString caption(); // "Contacts Table"

    void SaveAsCsv_Click();
    void SaveAsExcelFile_Click();
    void Copy_Click();

    ContactsTableModel& table() { return *m_table; }
    bool isFilling() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void inputListChanged();
    void followSourceOption();
    void fillTable();
    void showCount();
    template <typename Command> void runOutputCommand(Command&& command);

    ContactsTableModel* m_table = nullptr;
    QTableView* m_view = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_saveAsCsv = nullptr;
    QPushButton* m_saveAsExcelFile = nullptr;
    QPushButton* m_copy = nullptr;
    QTimer m_refill;
    bool m_stale = true;
    bool m_writing = false;
    std::unique_ptr<TableFillHost> m_host;
    std::unique_ptr<ContactsTableOutputHost> m_output;
};

} // namespace cardisto
