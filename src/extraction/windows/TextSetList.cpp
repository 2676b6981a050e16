// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextSetList.h"

namespace cardisto {

TextSetList::TextSetList(QObject* parent) : QAbstractListModel(parent) {}

int TextSetList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant TextSetList::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole)
        return m_items.at(index.row());
    return {};
}

void TextSetList::append(const QString& item)
{
    append(QStringList{item});
}

void TextSetList::append(const QStringList& items)
{
    if (items.isEmpty())
        return;
    const int first = int(m_items.size());
    beginInsertRows({}, first, first + int(items.size()) - 1);
    m_items.append(items);
    endInsertRows();
}

bool TextSetList::removeAt(int row)
{
    if (row < 0 || row >= m_items.size())
        return false;
    beginRemoveRows({}, row, row);
    m_items.removeAt(row);
    endRemoveRows();
    return true;
}

void TextSetList::clear()
{
    if (m_items.isEmpty())
        return;
    beginResetModel();
    m_items.clear();
    endResetModel();
}

} // namespace cardisto
