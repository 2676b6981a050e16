// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowColours.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace cardisto {

namespace {

bool takesStandardColour(const QWidget* widget)
{
    // Only plain frames: lists, text areas and stacked pages are frames too but keep their colours.
    return qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget) ||
           qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget) ||
           widget->metaObject() == &QFrame::staticMetaObject;
}

void paintBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

void ApplyStandardColours(QWidget* window)
{
    if (!window)
        return;
    const QColor buttonFace = QApplication::palette().color(QPalette::Active, QPalette::Button);
    paintBackground(window, buttonFace);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        // Boxes and tool windows owned by this window have colours of their own.
        if (child->window() == window && takesStandardColour(child))
            paintBackground(child, buttonFace);
    }
}

} // namespace cardisto
