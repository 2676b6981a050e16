// SPDX-License-Identifier: GPL-3.0-or-later
#include "WrappingRowLayout.h"

#include <QWidget>
#include <algorithm>

namespace cardisto {

WrappingRowLayout::WrappingRowLayout(QWidget* parent) : QLayout(parent) {}

WrappingRowLayout::~WrappingRowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void WrappingRowLayout::addWidget(QWidget* widget, bool stretch)
{
    addChildWidget(widget);
    m_entries.append({new QWidgetItem(widget), stretch});
    invalidate();
}

void WrappingRowLayout::addLayout(QLayout* layout, bool stretch)
{
    addChildLayout(layout);
    m_entries.append({layout, stretch});
    invalidate();
}

void WrappingRowLayout::addItem(QLayoutItem* item)
{
    m_entries.append({item, false});
    invalidate();
}

QLayoutItem* WrappingRowLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).item : nullptr;
}

QLayoutItem* WrappingRowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    invalidate();
    return m_entries.takeAt(index).item;
}

int WrappingRowLayout::count() const
{
    return int(m_entries.size());
}

Qt::Orientations WrappingRowLayout::expandingDirections() const
{
    const bool stretches = std::any_of(m_entries.cbegin(), m_entries.cend(), [](const Entry& e) { return e.stretch; });
    return stretches ? Qt::Horizontal : Qt::Orientations();
}

int WrappingRowLayout::neededWidth(const Entry& entry)
{
    const int minimum = entry.item->minimumSize().width();
    return entry.stretch ? minimum : std::max(minimum, entry.item->sizeHint().width());
}

int WrappingRowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize WrappingRowLayout::minimumSize() const
{
    // As narrow as the widest item; as low as one row (the height for a width comes from heightForWidth).
    int width = 0;
    int height = 0;
    for (const Entry& entry : m_entries) {
        if (entry.item->isEmpty())
            continue;
        width = std::max(width, neededWidth(entry));
        height = std::max(height, entry.item->minimumSize().height());
    }
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

QSize WrappingRowLayout::sizeHint() const
{
    // Everything in one row.
    int width = 0;
    int height = 0;
    for (const Entry& entry : m_entries) {
        if (entry.item->isEmpty())
            continue;
        width += (width > 0 ? spacing() : 0) + std::max(neededWidth(entry), entry.item->sizeHint().width());
        height = std::max(height, entry.item->sizeHint().height());
    }
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

void WrappingRowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int WrappingRowLayout::arrange(const QRect& rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(spacing(), 0);
    int top = area.top();
    QList<const Entry*> row;
    const auto finishRow = [&] {
        if (row.isEmpty())
            return;
        int needed = -gap;
        int stretching = 0;
        int height = 0;
        for (const Entry* entry : std::as_const(row)) {
            needed += gap + neededWidth(*entry);
            stretching += entry->stretch ? 1 : 0;
            height = std::max(height, entry->item->sizeHint().height());
        }
        int spare = std::max(area.width() - needed, 0);
        int left = area.left();
        for (const Entry* entry : std::as_const(row)) {
            int width = neededWidth(*entry);
            if (entry->stretch) {
                const int share = spare / stretching--;
                width += share;
                spare -= share;
            }
            if (place) {
                const int itemHeight = std::min(height, std::max(entry->item->sizeHint().height(),
                                                                 entry->item->minimumSize().height()));
                entry->item->setGeometry(QRect(left, top, width, itemHeight));
            }
            left += width + gap;
        }
        top += height + gap;
        row.clear();
    };
    int used = 0;
    for (const Entry& entry : m_entries) {
        if (entry.item->isEmpty())
            continue;
        const int width = neededWidth(entry);
        if (!row.isEmpty() && used + gap + width > area.width()) {
            finishRow();
            used = 0;
        }
        used += (row.isEmpty() ? 0 : gap) + width;
        row.append(&entry);
    }
    finishRow();
    const int height = top == area.top() ? 0 : top - gap - area.top();
    const QMargins margins = contentsMargins();
    return height + margins.top() + margins.bottom();
}

} // namespace cardisto
