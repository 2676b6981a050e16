// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileNameBytes.h"

#include "TextDecoding.h"

#include <QFile>

namespace cardisto {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at the start of the bytes; 0 when there is none.
qsizetype validSequenceLength(QByteArrayView bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const qsizetype length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length > bytes.size())
        return 0;
    return isValidUtf8(bytes.first(length)) ? length : 0;
}

// Walks the name, handing on runs of valid UTF-8 as text and every other byte on its own.
template <typename Text, typename Byte>
void splitName(QByteArrayView raw, Text&& text, Byte&& byte)
{
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < raw.size()) {
        const qsizetype length = validSequenceLength(raw.sliced(i));
        if (length > 0) {
            i += length;
            continue;
        }
        if (i > runStart)
            text(raw.sliced(runStart, i - runStart));
        byte(static_cast<unsigned char>(raw[i]));
        runStart = ++i;
    }
    if (i > runStart)
        text(raw.sliced(runStart, i - runStart));
}

} // namespace

bool isRepresentableFileName(QByteArrayView raw)
{
    const QByteArray bytes = raw.toByteArray();
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

QString fileNameFromBytes(QByteArrayView raw)
{
    if (isRepresentableFileName(raw))
        return QFile::decodeName(raw.toByteArray());
    QString name;
    splitName(
        raw, [&name](QByteArrayView run) { name += QString::fromUtf8(run); },
        [&name](unsigned char byte) { name += QChar(char16_t(kEscapeBase + byte)); });
    return name;
}

bool holdsUndecodedBytes(const QString& name)
{
    for (const QChar c : name) {
        if (c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF)
            return true;
    }
    return false;
}

QByteArray fileNameBytes(const QString& name)
{
    if (!holdsUndecodedBytes(name))
        return QFile::encodeName(name);
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (unit < kEscapeBase + 0x80 || unit > kEscapeBase + 0xFF)
            continue;
        bytes += QStringView(name).sliced(runStart, i - runStart).toUtf8();
        bytes += char(unit - kEscapeBase);
        runStart = i + 1;
    }
    bytes += QStringView(name).sliced(runStart).toUtf8();
    return bytes;
}

QString escapedFileName(QByteArrayView raw)
{
    QString shown;
    splitName(
        raw, [&shown](QByteArrayView run) { shown += QString::fromUtf8(run); },
        [&shown](unsigned char byte) {
            shown += QStringLiteral("\\x") + QString::number(byte, 16).toUpper();
        });
    return shown;
}

} // namespace cardisto
