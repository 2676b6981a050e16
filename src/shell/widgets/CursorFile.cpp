// SPDX-License-Identifier: GPL-3.0-or-later
#include "CursorFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>

namespace cardisto {

namespace {

constexpr qint64 kLargestCursorFile = 4 * 1024 * 1024;
constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr quint16 kIconType = 1;
constexpr quint16 kCursorType = 2;

quint16 word(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

std::optional<CursorImage> readCursorImage(QIODevice& device)
{
    const QByteArray bytes = device.read(kLargestCursorFile + 1);
    if (bytes.size() < kDirectorySize + kEntrySize || bytes.size() > kLargestCursorFile)
        return std::nullopt;
    const quint16 reserved = word(bytes, 0);
    const quint16 type = word(bytes, 2);
    const quint16 count = word(bytes, 4);
    if (reserved != 0 || (type != kIconType && type != kCursorType) || count == 0)
        return std::nullopt;

    // Qt's icon reader decodes both kinds; it only leaves out the cursor's hot spot.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    CursorImage cursor;
    cursor.image = reader.read();
    if (cursor.image.isNull())
        return std::nullopt;
    if (type == kCursorType) {
        // A cursor's first directory entry keeps the hot spot where an icon keeps planes and depth.
        const int x = word(bytes, kDirectorySize + 4);
        const int y = word(bytes, kDirectorySize + 6);
        cursor.hotSpot = QPoint(std::min(x, cursor.image.width() - 1), std::min(y, cursor.image.height() - 1));
    }
    return cursor;
}

std::optional<CursorImage> readCursorImage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readCursorImage(file);
}

} // namespace cardisto
