// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueText.h"

namespace cardisto {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

void appendQuotedPrintableBytes(std::string_view value, std::string& out)
{
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '=') {
            out.push_back(c);
            continue;
        }
        if (i + 1 == value.size())
            break;
        const int high = i + 2 < value.size() ? hexDigit(value[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(value[i + 2]) : -1;
        if (low < 0) {
            out.push_back(c);
            continue;
        }
        out.push_back(char(high * 16 + low));
        i += 2;
    }
}

std::string_view ValueDecoder::text(const PropertyLine& property, const ValueForm& form)
{
    const std::string_view value = property.value();
    if (form.quotedPrintable) {
        m_bytes.clear();
        appendQuotedPrintableBytes(value, m_bytes);
        m_text.clear();
        m_charsets.appendUtf8(m_bytes, form.charset, ByteReading::Utf8, m_text);
        return m_text;
    }
    // A UTF-8 file is UTF-8 in every value but those that name another character set.
    if (m_file == FileBytes::Unicode || (m_file == FileBytes::Utf8 && namesUtf8(form.charset)))
        return value;
    if (form.charset.empty() || !m_charsets.knows(form.charset)) {
        if (m_file == FileBytes::Utf8 || isAscii(value))
            return value;
        m_text.clear();
        appendWindows1252AsUtf8(value, m_text);
        return m_text;
    }
    m_text.clear();
    m_charsets.appendUtf8(value, form.charset,
                          m_file == FileBytes::Utf8 ? ByteReading::Utf8 : ByteReading::Windows1252, m_text);
    return m_text;
}

std::string_view ValueDecoder::parameterText(std::string_view value)
{
    if (m_file != FileBytes::Windows1252 || isAscii(value))
        return value;
    m_text.clear();
    appendParameterText(value, m_text);
    return m_text;
}

void ValueDecoder::appendParameterText(std::string_view value, std::string& out) const
{
    if (m_file == FileBytes::Windows1252)
        appendWindows1252AsUtf8(value, out);
    else
        out.append(value);
}

} // namespace cardisto
