// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace cardisto::test {

// The control of a window by its object name ("PushButton4", "Text3"); a missing one ends the test
// program, since the window no longer looks as the tests expect.
template <typename Control> Control* namedChild(const QObject* window, const char* name)
{
    auto* found = window->findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace cardisto::test
