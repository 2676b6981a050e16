// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportListView.h"

#include "shell/widgets/Twips.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

namespace cardisto {

namespace {

int pixelsFor(const QTableView* view, int twips)
{
    return twipsToPixels(twips, view->logicalDpiX());
}

void applyModelWidths(QTableView* view, int widthTwipsRole)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column) {
        const QVariant twips = model->headerData(column, Qt::Horizontal, widthTwipsRole);
        if (twips.isValid())
            view->setColumnWidth(column, pixelsFor(view, twips.toInt()));
    }
}

} // namespace

void makeReportView(QTableView* view)
{
    view->setShowGrid(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    // A path too long for its column keeps its start and its file name: the end tells files apart.
    view->setTextElideMode(Qt::ElideMiddle);
    view->setCornerButtonEnabled(false);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    // One fixed height for every row: a view of a million rows then never measures a row.
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 4);

    QHeaderView* columns = view->horizontalHeader();
    columns->show();
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
}

int selectedRow(const QTableView* view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void setColumnWidthInTwips(QTableView* view, int widthTwips)
{
    view->setColumnWidth(0, pixelsFor(view, widthTwips));
}

void keepColumnWidthsFromModel(QTableView* view, int widthTwipsRole)
{
    QAbstractItemModel* model = view->model();
    if (!model)
        return;
    const auto apply = [view, widthTwipsRole] {
        applyModelWidths(view, widthTwipsRole);
    };
    QObject::connect(model, &QAbstractItemModel::headerDataChanged, view, apply);
    QObject::connect(model, &QAbstractItemModel::columnsInserted, view, apply);
    QObject::connect(model, &QAbstractItemModel::modelReset, view, apply);
    apply();
}

} // namespace cardisto
