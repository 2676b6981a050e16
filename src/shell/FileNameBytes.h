// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace cardisto {

// File names are bytes on Linux and most are UTF-8, but not all: an old archive or a memory card
// can hold "caf\xE9.vcf". These helpers keep such a name whole.

// True when the bytes read back as the same bytes through QFile::decodeName and encodeName.
bool isRepresentableFileName(QByteArrayView raw);

// The name as text for the reading functions: QFile::decodeName where that keeps every byte;
// otherwise each byte that is not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte,
// which no real name holds, so fileNameBytes gives the same bytes back.
QString fileNameFromBytes(QByteArrayView raw);

// The bytes of a name as fileNameFromBytes made it (QFile::encodeName for any other text).
QByteArray fileNameBytes(const QString& name);

// True for a name that holds bytes kept by fileNameFromBytes.
bool holdsUndecodedBytes(const QString& name);

// The name for messages: the readable parts as they are, every undecodable byte as \xE9.
QString escapedFileName(QByteArrayView raw);

} // namespace cardisto
