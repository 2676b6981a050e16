// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

namespace cardisto::test {

// The controls of a window by the program's names for them (PushButton13, Check1, Text5, ListView2,
// ProgressBar1, Frame2, ...), which a new control gets too.
inline QList<QWidget*> namedControls(QWidget* window)
{
    static const QRegularExpression controlName(QStringLiteral("^(PushButton|Check|Option|Text|ListView|ProgressBar|"
                                                               "Frame|Combo)\\d+$"));
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window && controlName.match(widget->objectName()).hasMatch())
            controls.append(widget);
    }
    return controls;
}

// What keeps a user from seeing each control whole: hidden, cut off by the window's edge or by the
// area it scrolls in, squeezed below the size its content needs, or lying over another control.
// Empty when every control shows whole.
inline QStringList controlsNotShownWhole(QWidget* window)
{
    const QList<QWidget*> controls = namedControls(window);
    const auto placeOf = [window](const QWidget* widget) {
        return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
    };
    QStringList problems;
    for (QWidget* control : controls) {
        const QString name = control->objectName();
        if (!control->isVisible()) {
            problems.append(name + QStringLiteral(" hidden"));
            continue;
        }
        QRect shown = window->rect();
        for (QWidget* holder = control->parentWidget(); holder && holder != window; holder = holder->parentWidget())
            shown &= placeOf(holder);
        if (!shown.contains(placeOf(control)))
            problems.append(name + QStringLiteral(" cut off"));
        const QSize needed = control->minimumSizeHint();
        if (control->width() < needed.width() || control->height() < needed.height())
            problems.append(name + QStringLiteral(" squeezed"));
        for (QWidget* other : controls) {
            if (other != control && !control->isAncestorOf(other) && !other->isAncestorOf(control) &&
                other->isVisible() && placeOf(control).intersects(placeOf(other)) && name < other->objectName())
                problems.append(name + QStringLiteral(" over ") + other->objectName());
        }
    }
    return problems;
}

} // namespace cardisto::test
