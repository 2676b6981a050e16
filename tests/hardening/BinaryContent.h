// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QString> // QByteArray concatenation goes through the string builder

namespace cardisto::test {

// Contents that are plainly no text, and text in UTF-16, for the bad-input cases.

inline QByteArray randomBytes(quint32 seed, qsizetype size)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

inline QByteArray pngImage()
{
    QByteArray png =
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x40\0\0\0\x40\x08\x06\0\0\0\xaa\x69\x71\xde", 33);
    png += QByteArray("\0\0\x10\0IDAT", 8) + randomBytes(7, 4096) + QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12);
    return png;
}

inline QByteArray jpegImage()
{
    return QByteArray("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20) + randomBytes(11, 8192) +
           QByteArray("\xff\xd9", 2);
}

// ASCII text as UTF-16 little-endian code units, without a byte-order mark.
inline QByteArray utf16LittleEndian(const QByteArray& ascii)
{
    QByteArray bytes;
    for (const char c : ascii)
        bytes += QByteArray(1, c) + QByteArray(1, '\0');
    return bytes;
}

} // namespace cardisto::test
