// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemModel;
class QTableView;

namespace cardisto {

// Both lists of the main window are report views: rows of text under column headers, no grid,
// whole rows selected one at a time, rows of one fixed height, no word wrap, no editing. A text too
// long for its column is cut in the middle.
void makeReportView(QTableView* view);

// The one selected row of a report view, or -1.
int selectedRow(const QTableView* view);

// Column widths are given in twips and shown in pixels of the view's screen resolution.
// The first column gets this width once.
void setColumnWidthInTwips(QTableView* view, int widthTwips);
// Every column gets the width of the model's header data under widthTwipsRole, again whenever the
// model changes its columns (a run rebuilds them).
void keepColumnWidthsFromModel(QTableView* view, int widthTwipsRole);

} // namespace cardisto
