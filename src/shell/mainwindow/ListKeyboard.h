// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAbstractItemView;

namespace cardisto {

// The keyboard of a list of the main window. Tab and Shift+Tab leave the list for the next or the
// previous control instead of moving through its rows (a list with rows would otherwise keep the
// focus for good). Home and End go to the first and the last row,
// as Ctrl+Home and Ctrl+End do. The keys that move the current row (arrows, Home, End, Page Up,
// Page Down) keep it in view, also in the input list, whose own scrolling is off for the row drag.
class ListKeyboard final : public QObject {
    Q_OBJECT
public:
    explicit ListKeyboard(QAbstractItemView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* m_view;
};

// After the user removed a row: the row that took its place (the last row when it was the last)
// becomes the selected row and is scrolled into view, so that the next Delete acts on a row the
// user sees.
void selectRowAfterRemoval(QAbstractItemView* view, int removedRow);

} // namespace cardisto
