// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharsetDecoding.h"

#include "AsciiText.h"
#include "WindowsCodePage.h"

#include "shell/TextDecoding.h"

namespace cardisto {

namespace {

QByteArrayView view(std::string_view text)
{
    return QByteArrayView(text.data(), qsizetype(text.size()));
}

void appendQString(const QString& text, std::string& out)
{
    const QByteArray utf8 = text.toUtf8();
    out.append(utf8.constData(), size_t(utf8.size()));
}

bool isLatinFamily(std::string_view name)
{
    for (const std::string_view latin : {"US-ASCII", "ASCII", "ISO-8859-1", "ISO8859-1", "LATIN1", "ISO_8859-1",
                                          "WINDOWS-1252", "CP1252", "X-CP1252"}) {
        if (ascii::equalsUpper(name, latin))
            return true;
    }
    return false;
}

// The length of the valid UTF-8 character at the start of bytes; 0 when none starts there.
size_t utf8CharacterLength(std::string_view bytes)
{
    for (size_t length = 1; length <= std::min<size_t>(4, bytes.size()); ++length) {
        if (isValidUtf8(view(bytes.substr(0, length))))
            return length;
    }
    return 0;
}

// Bytes named UTF-8: every valid character as it is, every byte that starts none as Windows-1252,
// so that one stray byte does not turn the whole value into Windows-1252 letters.
void appendUtf8KeepingStrayBytes(std::string_view bytes, std::string& out)
{
    while (!bytes.empty()) {
        size_t valid = 0;
        while (valid < bytes.size() && static_cast<unsigned char>(bytes[valid]) < 0x80)
            ++valid;
        for (size_t length; valid < bytes.size() && (length = utf8CharacterLength(bytes.substr(valid))) > 0;)
            valid += length;
        out.append(bytes.substr(0, valid));
        if (valid < bytes.size())
            appendWindows1252AsUtf8(bytes.substr(valid, 1), out);
        bytes.remove_prefix(std::min(valid + 1, bytes.size()));
    }
}

} // namespace

void appendWindows1252AsUtf8(std::string_view bytes, std::string& out)
{
    size_t plain = 0;
    while (plain < bytes.size() && static_cast<unsigned char>(bytes[plain]) < 0x80)
        ++plain;
    out.append(bytes.substr(0, plain));
    if (plain < bytes.size())
        appendQString(decodeWindows1252(view(bytes.substr(plain))), out);
}

bool namesUtf8(std::string_view charset)
{
    const std::string_view name = ascii::trimBlanks(charset);
    return ascii::equalsUpper(name, "UTF-8") || ascii::equalsUpper(name, "UTF8");
}

CharsetDecoding::Kind CharsetDecoding::kindOf(std::string_view charset)
{
    const std::string_view name = ascii::trimBlanks(charset);
    if (name.empty())
        return Kind::None;
    if (m_kind != Kind::None && view(name) == QByteArrayView(m_charset))
        return m_kind;
    m_charset = view(name).toByteArray();
    m_decoder.reset();
    if (namesUtf8(name)) {
        m_kind = Kind::Utf8;
    } else if (isLatinFamily(name)) {
        m_kind = Kind::Windows1252;
    } else {
        m_decoder.emplace(m_charset.constData());
        if (m_decoder->isValid())
            m_kind = Kind::Decoder;
        else
            m_kind = decodeWithWindowsCodePage(QByteArrayView("a"), m_charset) ? Kind::WindowsCodePage : Kind::None;
    }
    if (m_kind == Kind::None)
        m_charset.clear();
    return m_kind;
}

bool CharsetDecoding::knows(std::string_view charset)
{
    return kindOf(charset) != Kind::None;
}

void CharsetDecoding::appendUtf8(std::string_view bytes, std::string_view charset, ByteReading otherwise,
                                 std::string& out)
{
    switch (kindOf(charset)) {
    case Kind::Decoder:
        m_decoder->resetState();
        appendQString(m_decoder->decode(view(bytes)), out);
        return;
    case Kind::WindowsCodePage:
        appendQString(decodeWithWindowsCodePage(view(bytes), m_charset).value_or(QString()), out);
        return;
    case Kind::Windows1252:
        appendWindows1252AsUtf8(bytes, out);
        return;
    case Kind::Utf8:
        appendUtf8KeepingStrayBytes(bytes, out);
        return;
    case Kind::None:
        break;
    }
    if (otherwise == ByteReading::Utf8 && isValidUtf8(view(bytes)))
        out.append(bytes);
    else
        appendWindows1252AsUtf8(bytes, out);
}

} // namespace cardisto
