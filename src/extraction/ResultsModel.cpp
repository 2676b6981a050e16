#include "ResultsModel.h"

#include <QMetaObject>
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
    append({text, QString()}, 0);
}

void ResultsModel::appendRow(const QString& text, const QString& subItem)
{
    m_subItemTexts.add(subItem);
    append({text, subItem}, kHasSubItem);
}

void ResultsModel::append(ResultRow row, quint8 flags)
{
    m_rowTexts.add(row.text);
    m_rows.append(std::move(row));
    m_flags.append(flags);
    scheduleCommit();
}

void ResultsModel::scheduleCommit()
{
    if (m_commitQueued)
        return;
    m_commitQueued = true;
    QMetaObject::invokeMethod(this, &ResultsModel::commitPendingRows, Qt::QueuedConnection);
}

void ResultsModel::commitPendingRows()
{
    m_commitQueued = false;
    if (m_committedRows == m_rows.size())
        return;
    beginInsertRows({}, int(m_committedRows), int(m_rows.size() - 1));
    m_committedRows = m_rows.size();
    endInsertRows();
}

void ResultsModel::removeRowAt(qsizetype row)
{
    commitPendingRows();
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, int(row), int(row));
    m_rowTexts.remove(m_rows.at(row).text);
    if (m_flags.at(row) & kHasSubItem)
        m_subItemTexts.remove(m_rows.at(row).subItem);
    m_rows.removeAt(row);
    m_flags.removeAt(row);
    m_committedRows = m_rows.size();
    endRemoveRows();
}

void ResultsModel::removeAllRows()
{
    commitPendingRows();
    if (m_rows.isEmpty())
        return;
    beginRemoveRows({}, 0, int(m_rows.size() - 1));
    // Give the memory back: a cleared list of a million rows should not keep its capacity.
    m_rows = {};
    m_flags = {};
    m_rowTexts.clear();
    m_subItemTexts.clear();
    m_committedRows = 0;
    endRemoveRows();
}

void ResultsModel::setRowChecked(qsizetype row, bool checked)
{
    if (row < 0 || row >= m_rows.size() || isRowChecked(row) == checked)
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
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.column() == 0)
        return rowText(row);
    if (index.column() == 1 && hasSubItem(row))
        return subItemText(row);
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

bool ItemExists(const ResultsModel& list, const QString& text)
{
    return list.containsRowText(text);
}

} // namespace cardisto
