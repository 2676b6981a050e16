// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactsTableModel.h"

#include "output/ContactTableWriter.h"

#include <QMetaObject>
#include <QTimer>

namespace cardisto {

ContactsTableModel::ContactsTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ContactsTableModel::appendContacts(PackedContacts piece, const QString& source)
{
    if (piece.isEmpty())
        return;
    m_store.append(std::move(piece), source);
    m_rowIndex = -1;
    scheduleCommit();
}

void ContactsTableModel::clear()
{
    beginResetModel();
    m_store.clear();
    m_columns = ContactColumns(m_columns.hasSource(), {});
    m_committedRows = 0;
    m_rowIndex = -1;
    endResetModel();
}

void ContactsTableModel::setShowSource(bool show)
{
    if (show == m_columns.hasSource())
        return;
    if (show)
        beginInsertColumns({}, 0, 0);
    else
        beginRemoveColumns({}, 0, 0);
    m_columns = ContactColumns(show, m_columns.counts());
    if (show)
        endInsertColumns();
    else
        endRemoveColumns();
}

void ContactsTableModel::scheduleCommit()
{
    if (m_commitQueued)
        return;
    m_commitQueued = true;
    const qint64 waitMs = m_sinceCommit.isValid() ? m_commitInterval.count() - m_sinceCommit.elapsed() : 0;
    if (waitMs <= 0)
        QMetaObject::invokeMethod(this, &ContactsTableModel::commitPendingRows, Qt::QueuedConnection);
    else
        QTimer::singleShot(std::chrono::milliseconds(waitMs), this, &ContactsTableModel::commitPendingRows);
}

void ContactsTableModel::commitPendingRows()
{
    m_commitQueued = false;
    if (m_committedRows == m_store.size())
        return;
    insertEntryColumns(m_store.largestCounts());
    beginInsertRows({}, int(m_committedRows), int(m_store.size() - 1));
    m_committedRows = m_store.size();
    endInsertRows();
    m_sinceCommit.start();
}

// The columns of entries past the largest count so far go in after the group's last entry.
void ContactsTableModel::insertEntryColumns(const GroupCounts& counts)
{
    for (const ContactGroup group : kContactGroups) {
        GroupCounts grown = m_columns.counts();
        const int before = grown[size_t(group)];
        if (counts[size_t(group)] <= before)
            continue;
        grown[size_t(group)] = counts[size_t(group)];
        const int first = m_columns.firstColumnOf(group, before);
        const int added = (grown[size_t(group)] - before) * partCount(group);
        beginInsertColumns({}, first, first + added - 1);
        m_columns = ContactColumns(m_columns.hasSource(), grown);
        endInsertColumns();
    }
}

void ContactsTableModel::writeTable(ContactTableWriter& writer, const std::function<void()>& letEventsRun)
{
    commitPendingRows();
    writer.writeHeader(m_columns);
    ContactRow row;
    for (qsizetype index = 0; index < m_store.size(); ++index) {
        if (letEventsRun)
            letEventsRun();
        m_store.rowAt(index, row);
        writer.writeRow(m_columns, row, m_store.sourceBytesOf(index));
    }
}

const ContactRow& ContactsTableModel::cachedRow(qsizetype index) const
{
    if (index != m_rowIndex) {
        m_store.rowAt(index, m_row);
        m_rowIndex = index;
    }
    return m_row;
}

int ContactsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_committedRows);
}

int ContactsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns.size();
}

QVariant ContactsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_committedRows || index.column() >= m_columns.size())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    // The source column shows the path, elided; its tooltip holds all of it.
    if (m_columns.at(index.column()).kind == ContactColumn::Kind::Source)
        return m_store.sourceOf(index.row());
    const std::string_view text = m_columns.cellText(cachedRow(index.row()), {}, index.column(), m_scratch);
    const bool lines = text.find('\n') != std::string_view::npos;
    if (role == Qt::ToolTipRole)
        return lines ? QVariant(QString::fromUtf8(text.data(), qsizetype(text.size()))) : QVariant();
    // A row is one line high: a note or a street of several lines shows them side by side.
    QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (lines)
        shown.replace(u'\n', u' ');
    return shown;
}

QVariant ContactsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_columns.header(section);
}

} // namespace cardisto
