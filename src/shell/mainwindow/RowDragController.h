// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QObject>
#include <optional>

class QMouseEvent;
class QTableView;

namespace cardisto {

class InputFileList;

// Reorders the input file list by dragging a row with the mouse. Pressing a button on the list
// starts a drag of the row under the pointer; every move over another row swaps the two texts, so
// the dragged text travels with the pointer and the rows passed over shift one place back. When
// the pointer comes within a row of the top or bottom edge of the list, the next row beyond it is
// scrolled into view. Rows never leave the list this way: the list itself offers no drag out.
class RowDragController final : public QObject {
    Q_OBJECT
public:
    RowDragController(QTableView* view, InputFileList& list);

    // The pointer the list shows while a row is dragged (drag.ico); none leaves it as it is.
    void setDragPointer(std::optional<QCursor> pointer) { m_dragPointer = std::move(pointer); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void release();
    void scrollNearEdges(int y, int hoveredRow);

    QTableView* m_view;
    InputFileList& m_list;
    std::optional<QCursor> m_dragPointer;
    bool m_dragging = false;
    int m_draggedRow = -1;
};

} // namespace cardisto
