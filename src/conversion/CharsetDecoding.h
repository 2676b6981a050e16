// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <optional>

namespace cardisto {

// Turns the bytes of a decoded quoted-printable value into text by the property's CHARSET: any
// character set Qt's QStringDecoder knows, and on Windows any with a Windows code page. Without a
// CHARSET, or with one neither knows, the bytes are read the way a whole file is: UTF-8 when they
// are valid UTF-8, otherwise Windows-1252.
// Keeps the decoder of the last character set named, as exports name the same one on every line;
// one object per conversion, so conversions on different threads share nothing.
class CharsetDecoding {
public:
    QString decode(QByteArrayView bytes, QByteArrayView charset);

    // True when decode would read the bytes as UTF-8: valid UTF-8 named UTF-8 or named nothing.
    static bool readsAsUtf8(QByteArrayView bytes, QByteArrayView charset);

private:
    QByteArray m_charset;
    std::optional<QStringDecoder> m_decoder;
};

} // namespace cardisto
