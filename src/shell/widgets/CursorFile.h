// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <optional>

class QIODevice;

namespace cardisto {

// The first image of a Windows cursor (.cur) or icon (.ico) file with its hot spot. Icons have no
// hot spot of their own: theirs is (-1, -1), which QCursor takes as the image's centre.
struct CursorImage {
    QImage image;
    QPoint hotSpot{-1, -1};
};

// No value when the data is no cursor or icon file or its image cannot be decoded.
std::optional<CursorImage> readCursorImage(QIODevice& device);
std::optional<CursorImage> readCursorImage(const QString& path);

} // namespace cardisto
