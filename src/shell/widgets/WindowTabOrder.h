// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QWidget;

namespace cardisto {

// The controls of area that Tab reaches, in reading order: column by column (controls whose
// horizontal extents overlap form one column), and in a column row by row from the top, left to
// right within a row. A frame counts as one control in that order and its own controls follow,
// row by row, inside it, so a control added to a frame or a column falls into place by position
// alone.
QList<QWidget*> tabOrderByPosition(QWidget* area);

// Makes Tab follow tabOrderByPosition(area). The controls need their final places: call it once
// the window is laid out (when it is shown, and again when its layout changes).
void setTabOrderByPosition(QWidget* area);

} // namespace cardisto
