// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ValueText.h"

#include "shell/TextDecoding.h"

#include <QByteArray>
#include <QByteArrayView>

#include <string_view>

namespace cardisto {

// The bytes of a vCard file as 8-bit text: a UTF-16 file as UTF-8 (searching UTF-8 costs far less
// than 16-bit text, and every character that gives a line its structure is ASCII in both), any
// other file as it is. A byte-order mark in front stays.
struct EightBitText {
    QByteArray converted; // the UTF-8 copy of a UTF-16 file, empty otherwise; text stays valid as it moves
    std::string_view text;
    TextEncoding encoding = TextEncoding::Utf8; // UTF-8 or Windows-1252
    bool fromUtf16 = false;
};

// fileBytes must outlive the result; owned, when given, is the QByteArray behind fileBytes, emptied
// once a UTF-16 file has been read as UTF-8 so that a large one is not held twice.
EightBitText eightBitTextOf(QByteArrayView fileBytes, QByteArray* owned = nullptr);

// The same for the standard reading, with what the bytes of the file's values are: UTF-8 when the
// file is UTF-8 once its folded lines are joined, otherwise Windows-1252.
struct StandardText {
    EightBitText eightBit;
    FileBytes values = FileBytes::Utf8;
    std::string_view text() const { return eightBit.text; }
};

StandardText standardTextOf(QByteArrayView fileBytes, QByteArray* owned = nullptr);

} // namespace cardisto
