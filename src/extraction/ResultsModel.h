// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultTextIndex.h"
#include "ResultsColumns.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <chrono>

namespace cardisto {

// The results list: column headers with widths, rows of one text or text and sub-item, and a check
// box per row that starts ticked (the writers leave unticked rows out).
//
// Appends are buffered: a new row is part of the list at once for every question asked through this
// class (duplicate test, ItemExists, row access), but views learn of it only when the pending rows
// are committed, in one insertion per batch. A commit is queued for the next turn of the event loop
// after the first pending append, so a run that yields to the user interface shows its rows as it
// goes; commitPendingRows() does it at once. Every removal commits first. With a commit interval,
// views learn of new rows at most that often: each commit makes the views lay out and repaint.
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
    // Appends unless a row already holds the text in column 1; returns whether it did.
    bool appendRowUnlessListed(HashedText text);
    bool appendRowUnlessListed(QStringView text) { return appendRowUnlessListed(ResultTextIndex::hashed(text)); }
    // Appends unless a row already holds the sub-item in column 2; returns whether it did.
    bool appendRowUnlessListed(const QString& text, HashedText subItem);
    bool appendRowUnlessListed(const QString& text, QStringView subItem)
    {
        return appendRowUnlessListed(text, ResultTextIndex::hashed(subItem));
    }
    void removeRowAt(qsizetype row);
    void removeAllRows();
    // The program is ending: the rows leave the list (views are reset) but their memory is kept
    // for the system to take back with the process, since freeing millions of texts one by one
    // would keep a closed program running for most of a second.
    void leaveRowsToProgramEnd();
    void commitPendingRows();
    // Pending rows reach the views at most once per interval (zero: at the next turn of events).
    void setCommitInterval(std::chrono::milliseconds interval) { m_commitInterval = interval; }
    // Commits when the interval has passed since the last commit.
    void commitPendingRowsIfDue();

    // Rows including those not yet committed to views.
    qsizetype totalRowCount() const { return m_texts.size(); }
    qsizetype pendingRowCount() const { return m_texts.size() - m_committedRows; }
    const QString& rowText(qsizetype row) const { return m_texts.at(row); }
    bool hasSubItem(qsizetype row) const { return m_flags.at(row) & kHasSubItem; }
    // Empty for a row without a sub-item.
    QString subItemText(qsizetype row) const { return hasSubItem(row) ? m_subItems.at(row) : QString(); }
    bool isRowChecked(qsizetype row) const { return !(m_flags.at(row) & kUnchecked); }
    void setRowChecked(qsizetype row, bool checked);

    // Exact (case-sensitive, untrimmed) lookups over every row, answered without a scan.
    bool containsRowText(QStringView text) const;
    bool containsSubItemText(QStringView text) const;
    // A hint that a lookup of this text (by its hash) in the given column (0 or 1) follows after a
    // few others, so that the memory fetches of several lookups overlap.
    void prefetchLookup(quint64 hash, int column, LookupDistance distance = LookupDistance::Far) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static constexpr quint8 kHasSubItem = 1;
    static constexpr quint8 kUnchecked = 2;

    void scheduleCommit();
    void catchUpIndexes() const;

    QList<ResultsColumn> m_columns;
    // Rows as parallel lists. Sub-items take room only once a row has one: until then the list
    // stays empty, afterwards rows without one hold a null text there.
    QList<QString> m_texts;
    QList<QString> m_subItems;
    QList<quint8> m_flags;
    qsizetype m_committedRows = 0;
    bool m_commitQueued = false;
    std::chrono::milliseconds m_commitInterval{0};
    QElapsedTimer m_sinceCommit; // invalid until the first commit
    // The lookups index rows only when first asked, up to the rows present then: a run that never
    // tests for duplicates pays nothing for them. Rows before m_indexedRows are in both indexes.
    mutable ResultTextIndex m_rowTexts;
    mutable ResultTextIndex m_subItemTexts;
    mutable qsizetype m_indexedRows = 0;
};

// True when a row of the results list has exactly this text in its first column.
bool ItemExists(const ResultsModel& list, QStringView text);

} // namespace cardisto
