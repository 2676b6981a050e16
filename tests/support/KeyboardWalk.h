// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QKeyCombination>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <algorithm>

namespace cardisto::test {

// Presses a key `count` times, each time at whatever has the focus then, as a keyboard user does,
// and names the control that has the focus after each press (its object name).
inline QStringList focusAfterEachPress(QKeyCombination key, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            return names << QStringLiteral("(no focus)");
        QTest::keyClick(focused, key.key(), key.keyboardModifiers());
        focused = QApplication::focusWidget();
        names.append(focused ? focused->objectName() : QStringLiteral("(no focus)"));
    }
    return names;
}

// The controls of `forward` in the order a walk reaches them when it starts at the first of them
// (at the last, walking backwards): the others, then round to the start.
inline QStringList walkOrder(QStringList forward, bool backwards)
{
    if (backwards)
        std::reverse(forward.begin(), forward.end());
    forward.append(forward.takeFirst());
    return forward;
}

} // namespace cardisto::test
