// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListKeyboard.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <optional>

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
    if (watched != m_view || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    std::optional<QKeyEvent> instead;
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && control) {
        // Ctrl+Tab leaves the list as Tab does, as it leaves a text box that takes Tab itself.
        const bool back = key->key() == Qt::Key_Backtab || modifiers.testFlag(Qt::ShiftModifier);
        instead.emplace(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
    } else if ((key->key() == Qt::Key_Home || key->key() == Qt::Key_End) && !control) {
        // The rows are what the list is made of: Home and End go to the first and the last row, not
        // to the first and the last column of the current row.
        instead.emplace(QEvent::KeyPress, key->key(), modifiers | Qt::ControlModifier);
    }
    if (!instead)
        return false;
    QCoreApplication::sendEvent(m_view, &*instead);
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
