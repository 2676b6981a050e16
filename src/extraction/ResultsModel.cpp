// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsModel.h"

#include <QMetaObject>
#include <QTimer>
#include <utility>

namespace cardisto {

ResultsModel::ResultsModel(QObject* parent)
    : QAbstractTableModel(parent), m_columns(ResultsColumnsFor(ResultsLayout::StartUp))
{}

void ResultsModel::setColumns(const QList<ResultsColumn>& columns)
{
    const qsizetype oldCount = m_columns.size();
    const qsizetype newCount = columns.size();
    if (newCount < oldCount) {
        beginRemoveColumns({}, int(newCount), int(oldCount - 1));
        m_columns.resize(newCount);
        endRemoveColumns();
    } else if (newCount > oldCount) {
        beginInsertColumns({}, int(oldCount), int(newCount - 1));
        m_columns.resize(newCount);
        endInsertColumns();
    }
    m_columns = columns;
    if (newCount > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(newCount - 1));
}

void ResultsModel::appendRow(const QString& text)
{
    m_texts.append(text);
    if (!m_subItems.isEmpty())
        m_subItems.append(QString());
    m_flags.append(0);
    scheduleCommit();
}

void ResultsModel::appendRow(const QString& text, const QString& subItem)
{
    if (m_subItems.isEmpty())
        m_subItems.resize(m_texts.size());
    m_texts.append(text);
    m_subItems.append(subItem);
    m_flags.append(kHasSubItem);
    scheduleCommit();
}

void ResultsModel::scheduleCommit()
{
    if (m_commitQueued)
        return;
    m_commitQueued = true;
    const qint64 waitMs = m_sinceCommit.isValid() ? m_commitInterval.count() - m_sinceCommit.elapsed() : 0;
    if (waitMs <= 0)
        QMetaObject::invokeMethod(this, &ResultsModel::commitPendingRows, Qt::QueuedConnection);
    else
        QTimer::singleShot(std::chrono::milliseconds(waitMs), this, &ResultsModel::commitPendingRows);
}

void ResultsModel::commitPendingRows()
{
    m_commitQueued = false;
    if (m_committedRows == m_texts.size())
        return;
    beginInsertRows({}, int(m_committedRows), int(m_texts.size() - 1));
    m_committedRows = m_texts.size();
    endInsertRows();
    m_sinceCommit.start();
}

void ResultsModel::commitPendingRowsIfDue()
{
    if (!m_sinceCommit.isValid() || m_sinceCommit.elapsed() >= m_commitInterval.count())
        commitPendingRows();
}

bool ResultsModel::appendRowUnlessListed(HashedText text)
{
    catchUpIndexes();
    if (m_rowTexts.contains(text.text, text.hash))
        return false;
    appendRow(text.text.toString());
    m_rowTexts.addAbsent(m_texts.constLast(), text.hash);
    ++m_indexedRows;
    return true;
}

bool ResultsModel::appendRowUnlessListed(const QString& text, HashedText subItem)
{
    catchUpIndexes();
    if (m_subItemTexts.contains(subItem.text, subItem.hash))
        return false;
    appendRow(text, subItem.text.toString());
    m_rowTexts.add(text);
    m_subItemTexts.addAbsent(m_subItems.constLast(), subItem.hash);
    ++m_indexedRows;
    return true;
}

void ResultsModel::removeRowAt(qsizetype row)
{
    commitPendingRows();
    if (row < 0 || row >= m_texts.size())
        return;
    beginRemoveRows({}, int(row), int(row));
    if (row < m_indexedRows) {
        m_rowTexts.remove(m_texts.at(row));
        if (hasSubItem(row))
            m_subItemTexts.remove(m_subItems.at(row));
        --m_indexedRows;
    }
    m_texts.removeAt(row);
    if (!m_subItems.isEmpty())
        m_subItems.removeAt(row);
    m_flags.removeAt(row);
    m_committedRows = m_texts.size();
    endRemoveRows();
}

void ResultsModel::removeAllRows()
{
    commitPendingRows();
    if (m_texts.isEmpty())
        return;
    beginRemoveRows({}, 0, int(m_texts.size() - 1));
    // Give the memory back: a cleared list of a million rows should not keep its capacity.
    m_texts = {};
    m_subItems = {};
    m_flags = {};
    m_rowTexts.clear();
    m_subItemTexts.clear();
    m_indexedRows = 0;
    m_committedRows = 0;
    endRemoveRows();
}

void ResultsModel::leaveRowsToProgramEnd()
{
    struct LeftRows {
        QList<QString> texts;
        QList<QString> subItems;
        QList<quint8> flags;
        ResultTextIndex rowTexts;
        ResultTextIndex subItemTexts;
    };
    // Still reachable from here, so leak checkers do not count it.
    static auto* const left = new QList<LeftRows*>();
    beginResetModel();
    left->append(new LeftRows{std::exchange(m_texts, {}), std::exchange(m_subItems, {}), std::exchange(m_flags, {}),
                              std::exchange(m_rowTexts, {}), std::exchange(m_subItemTexts, {})});
    m_indexedRows = 0;
    m_committedRows = 0;
    endResetModel();
}

bool ResultsModel::containsRowText(QStringView text) const
{
    catchUpIndexes();
    return m_rowTexts.contains(text);
}

bool ResultsModel::containsSubItemText(QStringView text) const
{
    catchUpIndexes();
    return m_subItemTexts.contains(text);
}

void ResultsModel::prefetchLookup(quint64 hash, int column, LookupDistance distance) const
{
    (column == 0 ? m_rowTexts : m_subItemTexts).prefetch(hash, distance);
}

void ResultsModel::catchUpIndexes() const
{
    for (; m_indexedRows < m_texts.size(); ++m_indexedRows) {
        m_rowTexts.add(m_texts.at(m_indexedRows));
        if (hasSubItem(m_indexedRows))
            m_subItemTexts.add(m_subItems.at(m_indexedRows));
    }
}

void ResultsModel::setRowChecked(qsizetype row, bool checked)
{
    if (row < 0 || row >= m_texts.size() || isRowChecked(row) == checked)
        return;
    m_flags[row] ^= kUnchecked;
    if (row < m_committedRows) {
        const QModelIndex changed = index(int(row), 0);
        Q_EMIT dataChanged(changed, changed, {Qt::CheckStateRole});
    }
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_committedRows);
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const qsizetype row = index.row();
    if (role == Qt::CheckStateRole)
        return index.column() == 0 ? QVariant(isRowChecked(row) ? Qt::Checked : Qt::Unchecked) : QVariant();
    // A source file's path may be shown cut short; its tooltip holds it whole.
    if (role == Qt::ToolTipRole)
        return index.column() == 0 && hasSubItem(row) ? QVariant(rowText(row)) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.column() == 0)
        return rowText(row);
    if (index.column() == 1 && hasSubItem(row))
        return m_subItems.at(row);
    return {};
}

bool ResultsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setRowChecked(index.row(), value.toInt() != Qt::Unchecked);
    return true;
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns.at(section).header;
    if (role == WidthTwipsRole)
        return m_columns.at(section).widthTwips;
    return {};
}

bool ItemExists(const ResultsModel& list, QStringView text)
{
    return list.containsRowText(text);
}

} // namespace cardisto
