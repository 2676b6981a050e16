// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>

class QScreen;
class QWidget;

namespace cardisto {

// What a window frame adds around a window's contents before the window manager has said: a
// title bar and thin borders. Used only until the real frame is known.
inline constexpr QMargins kAssumedFrameMargins{8, 32, 8, 8};

// The frame rectangle moved into area, shrunk first where it is larger than area.
QRect fitIntoArea(const QRect& frame, const QRect& area);

// The screen whose available area holds the point, or the primary screen.
QScreen* screenAtOrPrimary(const QPoint& point);

// Gives a top-level window the contents rectangle `wanted` (in the coordinates of the desktop),
// moved and shrunk so that the whole window, frame included, lies in the available area of the
// screen it lands on.
void placeOnScreen(QWidget* window, const QRect& wanted);

// Places a window of its own over the middle of its owner window, on screen.
void placeOverOwner(QWidget* window, const QWidget* owner);

// Places a window of its own beside its owner window, on screen, where it hides as little as it can
// of `keepVisible` (a rectangle of the desktop): to the right of the owner, else to its left, else
// over the owner beside that rectangle, level with its top.
void placeBesideOwner(QWidget* window, const QWidget* owner, const QRect& keepVisible);

} // namespace cardisto
