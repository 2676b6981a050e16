// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputFileList.h"

#include "shell/FileHelpers.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace cardisto {

namespace {

constexpr qsizetype kLargeBatch = 4096;
constexpr qsizetype kMostSeparateRemovals = 1000;

QStringList localFilePaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.append(QDir::toNativeSeparators(url.toLocalFile()));
    }
    return paths;
}

} // namespace

QString InputFileList::columnHeading()
{
    return QStringLiteral(" VCF File(s)");
}

QString InputFileList::toolTipText()
{
    return QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | line to right and out of "
                          "window to reveal full names.");
}

InputFileList::InputFileList(QObject* parent) : QAbstractListModel(parent) {}

int InputFileList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant InputFileList::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return textAt(index.row());
    return QVariant();
}

QVariant InputFileList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return columnHeading();
    return QAbstractListModel::headerData(section, orientation, role);
}

Qt::ItemFlags InputFileList::flags(const QModelIndex& index) const
{
    // Files may be dropped anywhere on the list; they are always appended at the end.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool InputFileList::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > this->count())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    for (int i = row; i < row + count && m_indexBuilt; ++i)
        m_index.remove(m_texts.at(i));
    m_texts.remove(row, count);
    endRemoveRows();
    return true;
}

QStringList InputFileList::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

Qt::DropActions InputFileList::supportedDropActions() const
{
    // Never a move: a file manager would take that as licence to remove the dropped files.
    return Qt::CopyAction | Qt::LinkAction;
}

bool InputFileList::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    return !localFilePaths(data).isEmpty();
}

bool InputFileList::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                 const QModelIndex& parent)
{
    if (action == Qt::IgnoreAction || !canDropMimeData(data, action, row, column, parent))
        return false;
    // Files are appended in drop order; each folder's files land at the folder's place.
    QStringList files;
    for (const QString& path : localFilePaths(data)) {
        if (m_folderDropHandler && IsFolder(path).value_or(false)) {
            append(files);
            files.clear();
            m_folderDropHandler(path);
        } else {
            files.append(path);
        }
    }
    append(files);
    return true;
}

void InputFileList::setFolderDropHandler(std::function<void(const QString&)> handler)
{
    m_folderDropHandler = std::move(handler);
}

QStringList InputFileList::texts() const
{
    if (m_gapSize == 0)
        return m_texts;
    QStringList rows;
    rows.reserve(count());
    for (int row = 0; row < count(); ++row)
        rows.append(textAt(row));
    return rows;
}

void InputFileList::append(const QString& text)
{
    append(QStringList{text});
}

void InputFileList::append(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    beginInsertRows(QModelIndex(), count(), count() + static_cast<int>(texts.size()) - 1);
    m_texts.append(texts);
    if (m_indexBuilt) {
        if (texts.size() >= kLargeBatch) // reserving rehashes the index, worth it only for many rows
            m_index.reserve(m_index.distinctCount() + texts.size());
        for (const QString& text : texts)
            m_index.add(text);
    }
    endInsertRows();
}

bool InputFileList::ItemExists(const QString& text) const
{
    if (!m_indexBuilt) {
        m_index.reserve(m_texts.size());
        for (const QString& listed : m_texts)
            m_index.add(listed);
        m_indexBuilt = true;
    }
    return m_index.contains(text);
}

bool InputFileList::removeAt(int row)
{
    return removeRows(row, 1);
}

void InputFileList::clear()
{
    if (m_texts.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, count() - 1);
    m_texts.clear();
    m_index.clear();
    m_indexBuilt = false;
    endRemoveRows();
}

int InputFileList::dragOver(int draggedRow, int hoveredRow)
{
    if (draggedRow < 0 || hoveredRow < 0 || draggedRow >= count() || hoveredRow >= count())
        return draggedRow;
    if (m_texts.at(draggedRow) == m_texts.at(hoveredRow))
        return draggedRow; // equal texts never swap, so the drag stays where it is
    m_texts.swapItemsAt(draggedRow, hoveredRow);
    Q_EMIT dataChanged(index(draggedRow), index(draggedRow), {Qt::DisplayRole, Qt::EditRole});
    Q_EMIT dataChanged(index(hoveredRow), index(hoveredRow), {Qt::DisplayRole, Qt::EditRole});
    return hoveredRow;
}

int InputFileList::removeByFilter(const QString& filter, FilterSense sense)
{
    if (filter.isEmpty())
        return 0;
    const QString needle = filter.toLower();
    // Collect first: ranges of neighbouring matching rows, [first, last], top to bottom.
    QList<std::pair<int, int>> ranges;
    qsizetype matching = 0;
    for (int row = 0; row < count(); ++row) {
        const bool contains = m_texts.at(row).toLower().contains(needle);
        if (contains != (sense == FilterSense::Containing))
            continue;
        ++matching;
        if (!ranges.isEmpty() && ranges.last().second == row - 1)
            ranges.last().second = row;
        else
            ranges.append({row, row});
    }
    removeRanges(ranges);
    return static_cast<int>(matching);
}

void InputFileList::removeRanges(const QList<std::pair<int, int>>& ranges)
{
    if (ranges.isEmpty())
        return;
    // Views pay for every removal signal (a table header about as much as for a reset), so beyond
    // this many separate runs the views are told to start afresh instead.
    const bool resetViews = ranges.size() > kMostSeparateRemovals;
    if (resetViews)
        beginResetModel();
    // One pass from the top: the rows kept between two ranges move up once, and each range is
    // removed by widening the gap, so the list is whole for the views at every signal and the work
    // grows with the length of the list, not with the number of ranges times that length.
    int write = ranges.first().first;
    int read = write;
    m_gapStart = write;
    m_gapSize = 0;
    for (const auto& [first, last] : ranges) {
        while (read < first)
            m_texts[write++] = std::move(m_texts[read++]);
        m_gapStart = write;
        if (!resetViews)
            beginRemoveRows(QModelIndex(), write, write + (last - first));
        for (int row = first; row <= last && m_indexBuilt; ++row)
            m_index.remove(m_texts.at(row));
        m_gapSize += last - first + 1;
        read = last + 1;
        if (!resetViews)
            endRemoveRows();
    }
    while (read < m_texts.size())
        m_texts[write++] = std::move(m_texts[read++]);
    m_texts.resize(write);
    m_gapStart = 0;
    m_gapSize = 0;
    if (resetViews)
        endResetModel();
}

} // namespace cardisto
