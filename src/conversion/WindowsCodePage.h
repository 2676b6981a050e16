// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace cardisto {

// Qt on Windows is built without ICU, so its QStringDecoder knows only the Unicode encodings and
// Latin-1. This reads the other character sets vCards name (Shift_JIS, Big5, windows-1251,
// ISO-8859-2, KOI8-R, ...) through the Windows code page of the same name. Nothing on other
// systems, or for a name without a code page Windows has.
std::optional<QString> decodeWithWindowsCodePage(QByteArrayView bytes, QByteArrayView charset);

} // namespace cardisto
