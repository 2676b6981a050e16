// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace cardisto {

namespace {

QMargins frameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect contents = window->geometry();
    if (!window->isVisible() || frame == contents)
        return kAssumedFrameMargins;
    return {contents.left() - frame.left(), contents.top() - frame.top(), frame.right() - contents.right(),
            frame.bottom() - contents.bottom()};
}

} // namespace

QRect fitIntoArea(const QRect& frame, const QRect& area)
{
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

QScreen* screenAtOrPrimary(const QPoint& point)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(point))
            return screen;
    }
    return QGuiApplication::primaryScreen();
}

void placeOnScreen(QWidget* window, const QRect& wanted)
{
    QScreen* screen = screenAtOrPrimary(wanted.center());
    if (!screen) {
        window->setGeometry(wanted);
        return;
    }
    const QMargins margins = frameMargins(window);
    QRect frame = fitIntoArea(wanted + margins, screen->availableGeometry());
    QRect contents = frame - margins;
    // A window never gets smaller than its minimum; what cannot fit then keeps its top left corner
    // on screen, so the title bar stays within reach.
    contents.setSize(contents.size().expandedTo(window->minimumSize()));
    window->setGeometry(contents);
}

namespace {

// Before its first showing a window has no size of its own yet: it will take its size hint.
QSize sizeToShow(const QWidget* window)
{
    const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    return size.expandedTo(window->minimumSize());
}

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

} // namespace

void placeOverOwner(QWidget* window, const QWidget* owner)
{
    QRect wanted(QPoint(), sizeToShow(window));
    wanted.moveCenter(owner->frameGeometry().center());
    placeOnScreen(window, wanted);
}

void placeBesideOwner(QWidget* window, const QWidget* owner, const QRect& keepVisible)
{
    QScreen* screen = screenAtOrPrimary(owner->frameGeometry().center());
    if (!screen || keepVisible.isEmpty()) {
        placeOverOwner(window, owner);
        return;
    }
    const QMargins margins = frameMargins(window);
    const QRect ownerFrame = owner->frameGeometry();
    QRect frame(QPoint(), sizeToShow(window).grownBy(margins));
    frame.moveTop(keepVisible.top() - margins.top());
    const QList<QRect> candidates{frame.translated(ownerFrame.right() + 1 - frame.left(), 0),
                                  frame.translated(ownerFrame.left() - 1 - frame.right(), 0),
                                  frame.translated(keepVisible.left() - 1 - frame.right(), 0)};
    // The first place that hides least of the rectangle, once moved onto the screen.
    QRect best;
    qint64 hidden = -1;
    for (const QRect& candidate : candidates) {
        const QRect fitted = fitIntoArea(candidate, screen->availableGeometry());
        const qint64 covered = overlap(fitted, keepVisible);
        if (hidden < 0 || covered < hidden) {
            best = fitted;
            hidden = covered;
        }
    }
    placeOnScreen(window, best - margins);
}

} // namespace cardisto
