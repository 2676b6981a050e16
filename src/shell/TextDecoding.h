// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace cardisto {

// How the bytes of a text file become characters: a UTF-16 byte-order mark decides UTF-16,
// otherwise bytes that are valid UTF-8 are UTF-8, and anything else is Windows-1252.
enum class TextEncoding { Utf8, Windows1252, Utf16LE, Utf16BE };

TextEncoding detectTextEncoding(QByteArrayView bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);

// isValidUtf8 over bytes that come a part at a time (a file read in parts): a character cut
// between two parts is checked whole.
class Utf8Check {
public:
    void add(QByteArrayView bytes);
    // The answer isValidUtf8 gives for all the parts joined.
    bool valid() const { return m_valid && m_cut.isEmpty(); }
    // Whatever comes next, the parts are not UTF-8.
    bool failed() const { return !m_valid; }

private:
    bool m_valid = true;
    QByteArray m_cut; // the start of a character the last part ended in
};

QString decodeWindows1252(QByteArrayView bytes);

// UTF-8 decoding that keeps a leading byte-order mark as U+FEFF (QString::fromUtf8 drops it).
QString decodeUtf8KeepingBom(QByteArrayView bytes);

// Decodes the bytes as the given encoding. For UTF-16 the byte-order mark stays as the first
// character (U+FEFF) and an odd trailing byte is dropped.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);

// Text files that list paths or items: decoded as detected, without a leading byte-order mark.
QString decodeTextFile(QByteArrayView bytes);

// True for bytes that are plainly no text: a NUL byte within the first 8 KiB of a file that does
// not begin with a UTF-16 byte-order mark (images, archives, programs, zero-filled files). Only the
// start counts, so a text file whose damaged tail is zero bytes still reads.
bool looksLikeBinaryData(QByteArrayView bytes);

} // namespace cardisto
