// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactsTableWindow.h"

#include "ToolWindowHost.h"
#include "extraction/ContactsTableFill.h"
#include "extraction/ContactsTableModel.h"
#include "output/ContactsTableOutput.h"
#include "output/WorkbookTarget.h"
#include "shell/ErrorReport.h"
#include "shell/widgets/WindowTabOrder.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace cardisto {

// The fill's side of the window: its own run flag, hourglass and Esc, the main window's list and
// progress bar, and a stop when the list changes during a fill, so that it starts again.
class TableFillHost final : public ToolWindowHost {
public:
    using ToolWindowHost::ToolWindowHost;

    // The contacts are read as the standard defines vCards whatever the main window's choice;
    // one choice keeps the worker's reading ahead when that choice changes.
    ConversionChoice conversionChoice() const override { return ConversionChoice::allFields(); }
    bool stopRequested() const override { return m_startAgain || ToolWindowHost::stopRequested(); }
    void setExtractionRunning(bool running) override
    {
        ToolWindowHost::setExtractionRunning(running);
        m_startAgain = false;
    }
    void startAgain() { m_startAgain = extractionRunning(); }

private:
    bool m_startAgain = false;
};

namespace {

// A list change waits this long for the next one before the table fills again: a folder scan or
// a list file adds its rows in quick batches.
constexpr std::chrono::milliseconds kRefillDelay{300};

// The output commands' side of the window.
class TableOutputHost final : public ContactsTableOutputHost {
public:
    TableOutputHost(ToolWindowContext& context, WindowPointers& pointers, ContactsTableModel& table)
        : m_context(context), m_pointers(pointers), m_table(table)
    {}

    qsizetype tableRowCount() override { return m_table.totalRowCount(); }
    void writeTable(ContactTableWriter& writer, const std::function<void()>& eachRow) override
    {
        m_table.writeTable(writer, eachRow);
    }
    void setBusyPointer(bool busy) override { m_pointers.setBusy(busy); }
    Platform& platform() override { return m_context.platform(); }
    ErrorReporter& errorReporter() override { return m_context.errorReporter(); }
    QString workbookFolder() override { return defaultWorkbookFolder(); }
    void setProgressValue(int value) override
    {
        m_value = value;
        m_context.setProgress(value, m_caption);
    }
    void setProgressCaption(const QString& caption) override
    {
        m_caption = caption;
        m_context.setProgress(m_value, caption);
    }
    void letEventsRun() override { m_context.yieldToUserInterface(); }

private:
    ToolWindowContext& m_context;
    WindowPointers& m_pointers;
    ContactsTableModel& m_table;
    int m_value = 0;
    QString m_caption;
};

// The source column shows both ends of a long path: the folder it starts with and the file's name.
class SourceElidingDelegate final : public QStyledItemDelegate {
public:
    SourceElidingDelegate(const ContactsTableModel& table, QObject* parent)
        : QStyledItemDelegate(parent), m_table(table)
    {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == 0 && m_table.showsSource())
            option->textElideMode = Qt::ElideMiddle;
    }

private:
    const ContactsTableModel& m_table;
};

void keyPressesButton(QWidget* window, const QKeySequence& key, QPushButton* button)
{
    auto* shortcut = new QShortcut(key, window);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
    button->setToolTip(button->text() + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                       QStringLiteral(")"));
}

} // namespace

ContactsTableWindow::ContactsTableWindow(ToolWindowContext& context, QWidget* parent)
    : ToolWindow(context, QStringLiteral("ContactsTable"), caption(), parent)
{
    m_table = new ContactsTableModel(this);
    m_table->setCommitInterval(std::chrono::milliseconds(100));
    buildControls();
    m_host = std::make_unique<TableFillHost>(context, pointers(), stopKey());
    m_output = std::make_unique<TableOutputHost>(context, pointers(), *m_table);
    Form_Load();
    m_refill.setSingleShot(true);
    connect(&m_refill, &QTimer::timeout, this, &ContactsTableWindow::fillTable);
    connect(m_saveAsCsv, &QPushButton::clicked, this, &ContactsTableWindow::SaveAsCsv_Click);
    connect(m_saveAsExcelFile, &QPushButton::clicked, this, &ContactsTableWindow::SaveAsExcelFile_Click);
    connect(m_copy, &QPushButton::clicked, this, &ContactsTableWindow::Copy_Click);
    connect(m_table, &QAbstractItemModel::rowsInserted, this, &ContactsTableWindow::showCount);
    connect(m_table, &QAbstractItemModel::modelReset, this, &ContactsTableWindow::showCount);
    context.onInputListChange(this, [this] { inputListChanged(); });
    context.onSourceOptionChange(
        this, [this] { m_table->setShowSource(this->context().extractionOptions().showSourceFilename); });
}

ContactsTableWindow::~ContactsTableWindow() = default;

QString ContactsTableWindow::caption()
{
    return QStringLiteral("Contacts Table");
}

void ContactsTableWindow::buildControls()
{
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("ContactsView"));
    m_view->setAccessibleName(QStringLiteral("Contacts"));
    m_view->setModel(m_table);
    m_view->setItemDelegate(new SourceElidingDelegate(*m_table, m_view));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // One fixed height for every row: a view of a million rows then never measures a row.
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 4);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_view->horizontalHeader()->setHighlightSections(false);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("ContactCount"));
    m_count->setAccessibleName(QStringLiteral("Contact count"));
    m_saveAsCsv = addCommandButton(QStringLiteral("SaveAsCsv"), QStringLiteral("Save As CSV"));
    m_saveAsExcelFile = addCommandButton(QStringLiteral("SaveAsExcelFile"), QStringLiteral("Save As Excel File"));
    m_copy = addCommandButton(QStringLiteral("CopyTable"), QStringLiteral("Copy"));
    for (QPushButton* button : {m_saveAsCsv, m_saveAsExcelFile, m_copy})
        button->setAccessibleName(button->text());
    keyPressesButton(this, QKeySequence(Qt::CTRL | Qt::Key_S), m_saveAsCsv);
    keyPressesButton(this, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), m_copy);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_count, 1);
    buttons->addWidget(m_saveAsCsv);
    buttons->addWidget(m_saveAsExcelFile);
    buttons->addWidget(m_copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(900, 520);
}

void ContactsTableWindow::Form_Load()
{
    Guard guard = procedureGuard(QStringLiteral("Form_Load"));
    applyWindowLook(guard, {m_saveAsCsv, m_saveAsExcelFile, m_copy});
    guard(106, [&] { followSourceOption(); });
    guard(108, [&] { showCount(); });
}

void ContactsTableWindow::showEvent(QShowEvent* event)
{
    ToolWindow::showEvent(event);
    setTabOrderByPosition(this);
    if (m_stale)
        m_refill.start(0);
}

// The source column shows most of a path: its start and the file's name.
void ContactsTableWindow::followSourceOption()
{
    m_table->setShowSource(context().extractionOptions().showSourceFilename);
    if (m_table->showsSource())
        m_view->setColumnWidth(0, 3 * m_view->horizontalHeader()->defaultSectionSize());
}

bool ContactsTableWindow::isFilling() const
{
    return m_host->extractionRunning();
}

void ContactsTableWindow::inputListChanged()
{
    m_stale = true;
    m_host->startAgain();
    if (isVisible())
        m_refill.start(kRefillDelay);
}

void ContactsTableWindow::fillTable()
{
    // A fill still on its way out, or a table being written out, is waited for.
    if (isFilling() || m_writing) {
        m_refill.start(kRefillDelay);
        return;
    }
    if (!isVisible())
        return; // the next showing fills it
    m_stale = false;
    for (QPushButton* button : {m_saveAsCsv, m_saveAsExcelFile, m_copy})
        button->setEnabled(false);
    FillContactsTable(*m_host, *m_table);
    for (QPushButton* button : {m_saveAsCsv, m_saveAsExcelFile, m_copy})
        button->setEnabled(true);
    showCount();
}

void ContactsTableWindow::showCount()
{
    const qsizetype rows = m_table->totalRowCount();
    if (context().inputCount() == 0)
        m_count->setText(QStringLiteral("No files added."));
    else if (rows == 1)
        m_count->setText(QStringLiteral("1 contact"));
    else
        m_count->setText(QStringLiteral("%L1 contacts").arg(rows));
}

template <typename Command> void ContactsTableWindow::runOutputCommand(Command&& command)
{
    m_writing = true;
    command(*m_output);
    m_writing = false;
}

void ContactsTableWindow::SaveAsCsv_Click()
{
    runOutputCommand(SaveContactsTableAsCsv);
}

void ContactsTableWindow::SaveAsExcelFile_Click()
{
    runOutputCommand(SaveContactsTableAsExcelFile);
}

void ContactsTableWindow::Copy_Click()
{
    runOutputCommand(CopyContactsTable);
}

} // namespace cardisto
