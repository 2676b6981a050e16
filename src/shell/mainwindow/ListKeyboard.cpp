// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListKeyboard.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>

namespace cardisto {

ListKeyboard::ListKeyboard(QAbstractItemView* view) : QObject(view), m_view(view)
{
    view->setTabKeyNavigation(false);
    view->installEventFilter(this);
    // A row made current by a key is shown; one made current by the mouse is under the pointer
    // already, and the row drag scrolls by itself.
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && QGuiApplication::mouseButtons() == Qt::NoButton)
            m_view->scrollTo(current);
    });
}

bool ListKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    // The rows are what the list is made of: Home and End go to the first and the last row, not to
    // the first and the last column of the current row.
    if (watched != m_view || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Home && key->key() != Qt::Key_End) || key->modifiers().testFlag(Qt::ControlModifier))
        return false;
    QKeyEvent rowKey(QEvent::KeyPress, key->key(), key->modifiers() | Qt::ControlModifier);
    QCoreApplication::sendEvent(m_view, &rowKey);
    return true;
}

void selectRowAfterRemoval(QAbstractItemView* view, int removedRow)
{
    const QAbstractItemModel* model = view->model();
    const int rows = model ? model->rowCount() : 0;
    if (rows == 0 || removedRow < 0)
        return;
    const QModelIndex next = model->index(std::min(removedRow, rows - 1), 0);
    view->selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(next);
}

} // namespace cardisto
