// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowDragController.h"

#include "inputs/InputFileList.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QTableView>

namespace cardisto {

RowDragController::RowDragController(QTableView* view, InputFileList& list) : QObject(view), m_view(view), m_list(list)
{
    // The view's own scrolling while the mouse is held would move rows under a resting pointer;
    // the drag scrolls by itself, one row per swap near an edge.
    m_view->setAutoScroll(false);
    m_view->viewport()->installEventFilter(this);
}

bool RowDragController::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        press(static_cast<const QMouseEvent&>(*event));
        break;
    case QEvent::MouseMove:
        move(static_cast<const QMouseEvent&>(*event));
        break;
    case QEvent::MouseButtonRelease:
        release();
        break;
    default:
        break;
    }
    return false; // the view still selects the row under the pointer
}

void RowDragController::press(const QMouseEvent& event)
{
    m_dragging = true;
    const QModelIndex pressed = m_view->indexAt(event.position().toPoint());
    // A press beside the rows grabs nothing, not the row of an earlier drag.
    m_draggedRow = pressed.isValid() ? pressed.row() : -1;
    if (m_draggedRow < 0)
        return;
    if (m_dragPointer)
        m_view->viewport()->setCursor(*m_dragPointer);
}

void RowDragController::move(const QMouseEvent& event)
{
    if (!m_dragging)
        return;
    const QPoint position = event.position().toPoint();
    const QModelIndex hovered = m_view->indexAt(position);
    if (!hovered.isValid() || m_draggedRow < 0 || hovered.row() == m_draggedRow)
        return;
    const int hoveredRow = hovered.row();
    if (m_list.dragOver(m_draggedRow, hoveredRow) != hoveredRow)
        return; // equal texts stay where they are
    m_view->selectionModel()->setCurrentIndex(m_list.index(hoveredRow),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_draggedRow = hoveredRow;
    scrollNearEdges(position.y(), hoveredRow);
}

void RowDragController::release()
{
    m_dragging = false;
    m_view->viewport()->unsetCursor();
}

void RowDragController::scrollNearEdges(int y, int hoveredRow)
{
    const int edge = m_view->verticalHeader()->defaultSectionSize();
    if (y < edge && hoveredRow > 0)
        m_view->scrollTo(m_list.index(hoveredRow - 1));
    else if (y > m_view->viewport()->height() - edge && hoveredRow + 1 < m_list.count())
        m_view->scrollTo(m_list.index(hoveredRow + 1));
}

} // namespace cardisto
