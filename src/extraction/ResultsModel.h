#pragma once

#include "ResultsColumns.h"
#include "shell/TextIndex.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace cardisto {

// One row of the results list: its text (column 1) and, when it was added beside its source file,
// one sub-item (column 2). Kept small: a million rows are common.
struct ResultRow {
    QString text;
    QString subItem;
};

} // namespace cardisto

// QString moves by memcpy; so can a row, which lets the row list grow in place.
Q_DECLARE_TYPEINFO(cardisto::ResultRow, Q_RELOCATABLE_TYPE);

namespace cardisto {

// The results list: column headers with widths, rows of one text or text and sub-item, and a check
// box per row that starts ticked (the writers leave unticked rows out).
//
// Appends are buffered: a new row is part of the list at once for every question asked through this
// class (duplicate test, ItemExists, row access), but views learn of it only when the pending rows
// are committed, in one insertion per batch. A commit is queued for the next turn of the event loop
// after the first pending append, so a run that yields to the user interface shows its rows as it
// goes; commitPendingRows() does it at once. Every removal commits first.
class ResultsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // Column header width in twips, for views that lay out the list.
    static constexpr int WidthTwipsRole = Qt::UserRole + 1;

    explicit ResultsModel(QObject* parent = nullptr);

    // Replaces the column headers (the rows stay).
    void setColumns(const QList<ResultsColumn>& columns);
    void setLayout(ResultsLayout layout) { setColumns(ResultsColumnsFor(layout)); }
    const QList<ResultsColumn>& columns() const { return m_columns; }

    void appendRow(const QString& text);
    void appendRow(const QString& text, const QString& subItem);
    void removeRowAt(qsizetype row);
    void removeAllRows();
    void commitPendingRows();

    // Rows including those not yet committed to views.
    qsizetype totalRowCount() const { return m_rows.size(); }
    qsizetype pendingRowCount() const { return m_rows.size() - m_committedRows; }
    const QString& rowText(qsizetype row) const { return m_rows.at(row).text; }
    const QString& subItemText(qsizetype row) const { return m_rows.at(row).subItem; }
    bool hasSubItem(qsizetype row) const { return m_flags.at(row) & kHasSubItem; }
    bool isRowChecked(qsizetype row) const { return !(m_flags.at(row) & kUnchecked); }
    void setRowChecked(qsizetype row, bool checked);

    // Exact (case-sensitive, untrimmed) lookups over every row, answered without a scan.
    bool containsRowText(const QString& text) const { return m_rowTexts.contains(text); }
    bool containsSubItemText(const QString& text) const { return m_subItemTexts.contains(text); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static constexpr quint8 kHasSubItem = 1;
    static constexpr quint8 kUnchecked = 2;

    void append(ResultRow row, quint8 flags);
    void scheduleCommit();

    QList<ResultsColumn> m_columns;
    QList<ResultRow> m_rows;
    QList<quint8> m_flags;
    qsizetype m_committedRows = 0;
    bool m_commitQueued = false;
    TextIndex m_rowTexts;
    TextIndex m_subItemTexts;
};

// True when a row of the results list has exactly this text in its first column.
bool ItemExists(const ResultsModel& list, const QString& text);

} // namespace cardisto
