// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

namespace cardisto::test {

// What keeps a user from seeing each control of a window whole (its controls by the program's names
// for them, PushButton13, Check1, Text5, ListView2, ProgressBar1, Frame2, ..., which a new control
// gets too): hidden, cut off by the window's edge or the area it scrolls in, squeezed below the
// size its content needs, or lying over another control. Empty when every control shows whole.
inline QStringList controlsNotShownWhole(QWidget* window)
{
    static const QRegularExpression controlName("^(PushButton|Check|Option|Text|ListView|ProgressBar|Frame)\\d+$");
    QList<QWidget*> controls = window->findChildren<QWidget*>(controlName);
    const auto placeOf = [window](const QWidget* widget) { return QRect(widget->mapTo(window, QPoint()), widget->size()); };
    QStringList problems;
    for (QWidget* control : std::as_const(controls)) {
        QRect shown = window->rect();
        for (QWidget* holder = control->parentWidget(); holder != window; holder = holder->parentWidget())
            shown &= placeOf(holder);
        const QSize needed = control->minimumSizeHint();
        if (!control->isVisible() || !shown.contains(placeOf(control)))
            problems.append(control->objectName() + " hidden or cut off");
        else if (control->width() < needed.width() || control->height() < needed.height())
            problems.append(control->objectName() + " squeezed");
        for (QWidget* other : std::as_const(controls)) {
            if (other < control && !control->isAncestorOf(other) && !other->isAncestorOf(control) &&
                placeOf(control).intersects(placeOf(other)))
                problems.append(control->objectName() + " over " + other->objectName());
        }
    }
    return problems;
}

} // namespace cardisto::test
