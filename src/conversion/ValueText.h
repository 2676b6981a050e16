// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CharsetDecoding.h"
#include "PropertyLine.h"

#include <string>
#include <string_view>

namespace cardisto {

// What the bytes of a file's values are, once the file's encoding is known.
enum class FileBytes {
    Utf8,
    Windows1252,
    // A UTF-16 file, read as UTF-8: its values are characters already, whatever CHARSET they name.
    Unicode,
};

// Turns a property's value as written into UTF-8 text: quoted-printable decoded to bytes, and the
// bytes read by the property's CHARSET where it names one that is known, otherwise by the file's
// encoding (quoted-printable bytes: UTF-8 where they are valid UTF-8, otherwise Windows-1252).
// Bytes are read before escapes, so a Shift_JIS byte 0x5C inside a character is no backslash; the
// escapes are left for ValueEscapes. One object per conversion.
class ValueDecoder {
public:
    explicit ValueDecoder(FileBytes file) : m_file(file) {}

    // The value's text; a view of the line when it needs no change, valid until the next call.
    std::string_view text(const PropertyLine& property, const ValueForm& form);

    // The text of a parameter value (a LABEL): its bytes read as the file's values are read when
    // they name no character set. A view of value when it needs no change, valid until the next call.
    std::string_view parameterText(std::string_view value);
    // The same, appended to out: leaves the views the other calls gave alone.
    void appendParameterText(std::string_view value, std::string& out) const;

    // Whether CHARSET names a character set that is read by its name.
    bool knowsCharset(std::string_view charset) { return m_charsets.knows(charset); }

private:
    FileBytes m_file;
    CharsetDecoding m_charsets;
    std::string m_bytes;
    std::string m_text;
};

// The bytes a quoted-printable value stands for: "=XX" becomes the byte XX, a final "=" (a soft
// line break with nothing after it) goes, and every other character stays as it is.
void appendQuotedPrintableBytes(std::string_view value, std::string& out);

} // namespace cardisto
