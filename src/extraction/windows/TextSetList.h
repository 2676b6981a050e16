// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace cardisto {

// The items of the text set, in list order, as entered: not trimmed, letter case kept, duplicates
// allowed. The combo box of the text-set window shows them; the run reads them for every line.
class TextSetList final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TextSetList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QStringList& items() const { return m_items; }
    qsizetype count() const { return m_items.size(); }

    void append(const QString& item);
    // One insertion for the whole batch; nothing happens for an empty list.
    void append(const QStringList& items);
    // False when there is no such row.
    bool removeAt(int row);
    void clear();

private:
    QStringList m_items;
};

} // namespace cardisto
