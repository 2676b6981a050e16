// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactTableStore.h"
#include "conversion/ContactColumns.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <chrono>
#include <functional>
#include <string>

namespace cardisto {

class ContactTableWriter;

// The contacts table of the listed files: a row per contact, the columns of ContactColumns, with
// the source column shown or not. Rows come a piece at a time while the files are read; views
// learn of them in batches, as the results list shows its rows (a commit is queued for the next
// turn of events, at most once per commit interval). When a row has more e-mails, phones,
// addresses or websites than any before it, the columns for them are inserted where they belong.
// Every cell is read from the compact store when asked, so a million rows stay cheap.
class ContactsTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ContactsTableModel(QObject* parent = nullptr);

    void appendContacts(PackedContacts piece, const QString& source);
    void clear();
    void setShowSource(bool show);
    bool showsSource() const { return m_columns.hasSource(); }

    void commitPendingRows();
    void setCommitInterval(std::chrono::milliseconds interval) { m_commitInterval = interval; }

    // Every row, committed or not.
    qsizetype totalRowCount() const { return m_store.size(); }

    // Writes the header and every row (committed first) to a writer; letEventsRun is called once
    // per row when given.
    void writeTable(ContactTableWriter& writer, const std::function<void()>& letEventsRun = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void scheduleCommit();
    void insertEntryColumns(const GroupCounts& counts);
    const ContactRow& cachedRow(qsizetype index) const;

    ContactTableStore m_store;
    ContactColumns m_columns{false, {}};
    qsizetype m_committedRows = 0;
    bool m_commitQueued = false;
    std::chrono::milliseconds m_commitInterval{0};
    QElapsedTimer m_sinceCommit;
    // The row a view asks for cell after cell, read once.
    mutable ContactRow m_row;
    mutable qsizetype m_rowIndex = -1;
    mutable std::string m_scratch;
};

} // namespace cardisto
