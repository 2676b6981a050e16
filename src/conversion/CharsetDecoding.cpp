// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharsetDecoding.h"

#include "WindowsCodePage.h"

#include "shell/TextDecoding.h"

namespace cardisto {

QString CharsetDecoding::decode(QByteArrayView bytes, QByteArrayView charset)
{
    if (!charset.isEmpty()) {
        if (!m_decoder || charset != m_charset) {
            m_charset = charset.toByteArray();
            m_decoder.emplace(m_charset.constData());
        }
        if (m_decoder->isValid()) {
            m_decoder->resetState();
            return m_decoder->decode(bytes);
        }
        if (std::optional<QString> text = decodeWithWindowsCodePage(bytes, m_charset))
            return *std::move(text);
    }
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
}

bool CharsetDecoding::readsAsUtf8(QByteArrayView bytes, QByteArrayView charset)
{
    const bool namedUtf8 = charset.isEmpty() || charset.compare("UTF-8", Qt::CaseInsensitive) == 0 ||
                           charset.compare("UTF8", Qt::CaseInsensitive) == 0;
    return namedUtf8 && isValidUtf8(bytes);
}

} // namespace cardisto
