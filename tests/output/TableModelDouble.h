// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <optional>

namespace cardisto::test {

// A small list with columns for the writers: header texts, rows of texts (a row may hold fewer
// texts than there are columns) and, when asked for, a check state per row.
class TableModelDouble final : public QAbstractTableModel {
public:
    explicit TableModelDouble(QStringList headers, bool checkable = true)
        : m_headers(std::move(headers)), m_checkable(checkable)
    {}

    void addRow(const QStringList& texts, bool set = true)
    {
        beginInsertRows({}, int(m_rows.size()), int(m_rows.size()));
        m_rows.append({texts, set});
        endInsertRows();
    }

    // Adds rows in order; set lists the check state of each row (all set when left out).
    void addRows(const QList<QStringList>& rows, const QList<bool>& set = {})
    {
        for (qsizetype i = 0; i < rows.size(); ++i)
            addRow(rows[i], i < set.size() ? set[i] : true);
    }

    // What "Clear List" does to the results list: the rows go, the columns stay.
    void removeAllRows()
    {
        if (m_rows.isEmpty())
            return;
        beginRemoveRows({}, 0, int(m_rows.size()) - 1);
        m_rows.clear();
        endRemoveRows();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_headers.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const Row& row = m_rows[index.row()];
        if (role == Qt::CheckStateRole && index.column() == 0 && m_checkable)
            return row.set ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::DisplayRole && index.column() < row.texts.size())
            return row.texts[index.column()];
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_headers.size())
            return m_headers[section];
        return {};
    }

private:
    struct Row {
        QStringList texts;
        bool set;
    };
    QStringList m_headers;
    bool m_checkable;
    QList<Row> m_rows;
};

} // namespace cardisto::test
