// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/TextDecoding.h"

#include <QByteArrayView>

namespace cardisto {

// How the bytes of a vCard file become characters. As for any text file a UTF-16 byte-order mark
// decides first; without one, the NUL pattern of the first 8 KiB tells UTF-16 apart (phones and
// mail programs write it without a mark): ASCII text in UTF-16LE has NUL at odd offsets, in
// UTF-16BE at even ones. Everything else is UTF-8 when valid, otherwise Windows-1252.
TextEncoding detectVcfEncoding(QByteArrayView bytes);

// How much of the start of a file the two tests here look at.
inline constexpr qsizetype kVcfInspectedBytes = 8192;

// True for bytes that are plainly no vCard: NUL bytes in the first 8 KiB and no "BEGIN:VCARD"
// there (any letter case) read as 8-bit text, as UTF-16LE or as UTF-16BE. A readable export with
// a stray NUL still converts; images, archives and random bytes do not.
bool looksLikeBinaryVcfData(QByteArrayView bytes);

} // namespace cardisto
