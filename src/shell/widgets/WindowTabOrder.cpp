// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTabOrder.h"

#include <QGroupBox>
#include <QRect>
#include <QWidget>
#include <algorithm>

namespace cardisto {

namespace {

struct Unit {
    QWidget* widget; // a control, or a frame that holds controls
    QRect rect;      // in the coordinates of the area
};

// Any control that takes the focus: option buttons of one group move Tab between them as the
// selection changes, so their policies are not a guide.
bool takesTab(const QWidget* widget)
{
    return widget->focusPolicy() != Qt::NoFocus && !widget->isWindow() && widget->focusProxy() == nullptr;
}

bool isFrame(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) != nullptr;
}

// The controls and frames directly inside container, looking through plain widgets that only hold
// a layout (scroll areas, content widgets) but not into frames, whose controls are ordered apart.
void collectUnits(QWidget* container, QWidget* area, QList<Unit>& units)
{
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->isHidden())
            continue;
        const QRect rect(child->mapTo(area, QPoint(0, 0)), child->size());
        if (isFrame(child))
            units.append({child, rect});
        else if (takesTab(child))
            units.append({child, rect});
        else
            collectUnits(child, area, units);
    }
}

// Rows of a column: a unit whose top lies above the middle of the first unit of the current row
// joins that row.
void sortIntoRows(QList<Unit>& column)
{
    std::stable_sort(column.begin(), column.end(), [](const Unit& a, const Unit& b) {
        return a.rect.top() != b.rect.top() ? a.rect.top() < b.rect.top() : a.rect.left() < b.rect.left();
    });
    auto rowStart = column.begin();
    while (rowStart != column.end()) {
        const int rowMiddle = rowStart->rect.center().y();
        auto rowEnd = std::find_if(rowStart, column.end(), [rowMiddle](const Unit& u) { return u.rect.top() > rowMiddle; });
        std::stable_sort(rowStart, rowEnd, [](const Unit& a, const Unit& b) { return a.rect.left() < b.rect.left(); });
        rowStart = rowEnd;
    }
}

QList<QList<Unit>> columnsOf(QList<Unit> units)
{
    std::stable_sort(units.begin(), units.end(),
                     [](const Unit& a, const Unit& b) { return a.rect.left() < b.rect.left(); });
    QList<QList<Unit>> columns;
    int columnRight = 0;
    for (const Unit& unit : units) {
        if (columns.isEmpty() || unit.rect.left() > columnRight) {
            columns.append(QList<Unit>());
            columnRight = unit.rect.right();
        }
        columns.last().append(unit);
        columnRight = std::max(columnRight, unit.rect.right());
    }
    return columns;
}

// The window reads column by column; a frame is small and reads row by row.
void appendInOrder(QWidget* container, QWidget* area, QList<QWidget*>& order)
{
    QList<Unit> units;
    collectUnits(container, area, units);
    const QList<QList<Unit>> columns = container == area ? columnsOf(units) : QList<QList<Unit>>{units};
    for (QList<Unit> column : columns) {
        sortIntoRows(column);
        for (const Unit& unit : std::as_const(column)) {
            if (isFrame(unit.widget))
                appendInOrder(unit.widget, area, order);
            else
                order.append(unit.widget);
        }
    }
}

} // namespace

QList<QWidget*> tabOrderByPosition(QWidget* area)
{
    QList<QWidget*> order;
    appendInOrder(area, area, order);
    return order;
}

void setTabOrderByPosition(QWidget* area)
{
    const QList<QWidget*> order = tabOrderByPosition(area);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace cardisto
