// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/TextIndex.h"

#include <QAbstractListModel>
#include <QStringList>
#include <functional>

namespace cardisto {

// Which rows a text filter removes.
enum class FilterSense { Containing, NotContaining };

// The ordered list of input files the extraction commands work through, top row first. A row is
// one text, the path as it was added: nothing is validated, duplicates and empty texts are kept.
// Rows are appended at the end and move only through the user's row dragging.
class InputFileList final : public QAbstractListModel {
    Q_OBJECT
public:
    static QString columnHeading(); // " VCF File(s)", with its leading blank
    static constexpr int kColumnWidthTwips = 6700;
    static QString toolTipText();

    explicit InputFileList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    // Files dropped from outside: a list of local files is accepted, anything else refused.
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // Dropped folders go to this handler (the folder scan); without one they are appended like files.
    void setFolderDropHandler(std::function<void(const QString& folder)> handler);

    int count() const { return static_cast<int>(m_texts.size() - m_gapSize); }
    QString textAt(int row) const
    {
        return row < 0 || row >= count() ? QString() : m_texts.at(row < m_gapStart ? row : row + m_gapSize);
    }
    QStringList texts() const;

    void append(const QString& text);
    // One insertion for the whole batch.
    void append(const QStringList& texts);
    bool removeAt(int row);
    void clear();

    // One step of a row drag: the dragged row and the hovered row swap texts unless the texts are
    // equal. Returns the row that is dragged afterwards: the hovered row after a swap, otherwise
    // the dragged row unchanged.
    int dragOver(int draggedRow, int hoveredRow);

    // Removes the rows whose text contains the filter text (or does not), both lower-cased. Every
    // row is tested before any is removed; then each run of neighbouring rows goes with one signal.
    // An empty filter removes nothing. Returns the number of rows removed.
    int removeByFilter(const QString& filter, FilterSense sense);

    // True when some row's text equals the text exactly (case-sensitive, untrimmed).
    bool ItemExists(const QString& text) const;

private:
    void removeRanges(const QList<std::pair<int, int>>& ranges);

    // While removeRanges works, the removed rows leave a gap in m_texts: rows from m_gapStart on
    // are stored m_gapSize places further back. Otherwise the gap is empty.
    QStringList m_texts;
    int m_gapStart = 0;
    int m_gapSize = 0;
    // Built when first asked (only loading the samples asks), then kept up to date: adding the
    // hundreds of thousands of files of a large folder does not wait for it.
    mutable TextIndex m_index;
    mutable bool m_indexBuilt = false;
    std::function<void(const QString&)> m_folderDropHandler;
};

} // namespace cardisto
