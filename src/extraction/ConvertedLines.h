// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>

namespace cardisto {

// The lines of a file's converted text: the pieces between CR LF pairs, in text order. Empty pieces
// are lines too (a blank line, the piece after a final CR LF); an empty text has no lines. The views
// point into the given text, which must outlive them.
QList<QStringView> ConvertedLines(QStringView convertedText);

} // namespace cardisto
