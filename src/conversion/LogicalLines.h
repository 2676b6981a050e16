// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CharsetDecoding.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace cardisto {

// "Decode folded and encoded lines": turns the physical lines of a file into logical property lines
// before the field rules see them.
// - A line that starts with a blank or a tab continues the line before (the line break and that
//   one character go).
// - In a quoted-printable property a line ending in "=" continues on the next line, whatever that
//   line starts with (the "=" and the line break go).
// - A group prefix ("item1." in item1.EMAIL) is dropped.
// - A quoted-printable value is decoded to bytes and the bytes to text by its CHARSET; CHARSET and
//   ENCODING leave the parameters, so ORG;CHARSET=UTF-8:X reads as ORG:X. The visitor hears that
//   the line carried them: where a rule asks whether a property has parameters at all
//   (NOTE;CHARSET=UTF-8:x in All Fields), the answer stays yes, so decoding loses no value.
// - A base64 value (ENCODING=b, BASE64) is never text: its line is left out.
// Works on the code units of the conversion: bytes of a UTF-8 file (decoded values are written
// back as UTF-8) or 16-bit units. Lines that need none of this are passed on as they stand, so
// the common case costs one look at the head.
template <typename Ch>
class LogicalLines {
public:
    using View = std::basic_string_view<Ch>;
    using Text = std::basic_string<Ch>;

    template <typename Visit>
    void run(View text, Visit&& visit)
    {
        size_t start = 0;
        while (start <= text.size()) {
            const View line = lineAt(text, start);
            start += line.size() + 1;
            if (!continues(line, text, start)) {
                visitProperty(line, visit);
                continue;
            }
            m_joined.assign(line);
            m_quotedPrintable.reset();
            noteHead(0);
            do {
                const View next = lineAt(text, start);
                start += next.size() + 1;
                const size_t appendedAt = joinNext(next);
                noteHead(appendedAt);
            } while (continuesJoined(text, start));
            visitProperty(View(m_joined), visit);
        }
    }

private:
    static constexpr Ch kCR = Ch('\r');

    static View lineAt(View text, size_t start)
    {
        const size_t end = text.find(Ch('\n'), start);
        return text.substr(start, end == View::npos ? View::npos : end - start);
    }

    static bool isHeadMark(Ch c) { return c == Ch(':') || c == Ch(';') || c == Ch('.'); }

    // The first ":", ";" or "." at or after from; the size when there is none. Bytes are tested
    // eight at a time: this runs over the head of every line.
    static size_t nextHeadMark(View text, size_t from)
    {
        if constexpr (sizeof(Ch) == 1 && std::endian::native == std::endian::little) {
            constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
            constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
            const auto zeroBytes = [](std::uint64_t word) { return (word - kOnes) & ~word & kHighs; };
            while (from + 8 <= text.size()) {
                std::uint64_t word;
                std::memcpy(&word, text.data() + from, 8);
                // The lowest flag of each test is exact, so the lowest of the three is the first mark.
                const std::uint64_t marks = zeroBytes(word ^ (kOnes * ':')) | zeroBytes(word ^ (kOnes * ';')) |
                                            zeroBytes(word ^ (kOnes * '.'));
                if (marks != 0)
                    return from + size_t(std::countr_zero(marks) / 8);
                from += 8;
            }
        }
        while (from < text.size() && !isHeadMark(text[from]))
            ++from;
        return from;
    }

    static Ch upperAscii(Ch c) { return (c >= Ch('a') && c <= Ch('z')) ? Ch(c - 32) : c; }

    static bool startsWithWord(View text, std::string_view upperWord)
    {
        if (text.size() < upperWord.size())
            return false;
        for (size_t i = 0; i < upperWord.size(); ++i) {
            if (upperAscii(text[i]) != Ch(upperWord[i]))
                return false;
        }
        return true;
    }

    static bool isWord(View text, std::string_view upperWord)
    {
        return text.size() == upperWord.size() && startsWithWord(text, upperWord);
    }

    static View trimBlanks(View text)
    {
        while (!text.empty() && text.front() == Ch(' '))
            text.remove_prefix(1);
        while (!text.empty() && text.back() == Ch(' '))
            text.remove_suffix(1);
        return text;
    }

    static bool isFoldedContinuation(View text, size_t nextStart)
    {
        return nextStart < text.size() && (text[nextStart] == Ch(' ') || text[nextStart] == Ch('\t'));
    }

    static bool endsInSoftBreak(View line)
    {
        if (!line.empty() && line.back() == kCR)
            line.remove_suffix(1);
        return !line.empty() && line.back() == Ch('=');
    }

    // What the parameters of a head say about its value.
    struct Parameters {
        bool quotedPrintable = false;
        bool base64 = false;
        bool dropsSome = false; // CHARSET or ENCODING present
        View charset;
    };

    // CHARSET=..., ENCODING=..., and the bare vCard 2.1 words QUOTED-PRINTABLE and BASE64.
    static bool readParameter(View parameter, Parameters& found)
    {
        const View word = trimBlanks(parameter);
        if (word.empty())
            return false;
        // Most parameters are TYPE=... or a bare type word: one look at the first letter rules them out.
        const Ch first = upperAscii(word.front());
        if (first != Ch('C') && first != Ch('E') && first != Ch('Q') && first != Ch('B'))
            return false;
        if (startsWithWord(word, "CHARSET=")) {
            View charset = word.substr(8);
            if (charset.size() >= 2 && charset.front() == Ch('"') && charset.back() == Ch('"'))
                charset = charset.substr(1, charset.size() - 2);
            found.charset = charset;
            return true;
        }
        View encoding;
        if (startsWithWord(word, "ENCODING="))
            encoding = trimBlanks(word.substr(9));
        else if (isWord(word, "QUOTED-PRINTABLE") || isWord(word, "BASE64"))
            encoding = word;
        else
            return false;
        if (isWord(encoding, "QUOTED-PRINTABLE"))
            found.quotedPrintable = true;
        else if (isWord(encoding, "B") || isWord(encoding, "BASE64"))
            found.base64 = true;
        return true;
    }

    template <typename Each>
    static void forEachParameter(View head, Each&& each)
    {
        size_t cut = head.find(Ch(';'));
        while (cut != View::npos) {
            const size_t next = head.find(Ch(';'), cut + 1);
            each(head.substr(cut + 1, next == View::npos ? View::npos : next - cut - 1));
            cut = next;
        }
    }

    static Parameters readParameters(View head)
    {
        Parameters found;
        forEachParameter(head, [&found](View parameter) { found.dropsSome |= readParameter(parameter, found); });
        return found;
    }

    // The length of a group prefix ("item1.") in front of the property name; 0 when there is none.
    static size_t groupPrefixLength(View name)
    {
        const size_t dot = name.find(Ch('.'));
        if (dot == View::npos || dot == 0 || dot + 1 >= name.size())
            return 0;
        for (size_t i = 0; i < dot; ++i) {
            const Ch c = name[i];
            const bool groupCharacter = (c >= Ch('a') && c <= Ch('z')) || (c >= Ch('A') && c <= Ch('Z')) ||
                                        (c >= Ch('0') && c <= Ch('9')) || c == Ch('-');
            if (!groupCharacter)
                return 0;
        }
        return dot + 1;
    }

    bool continues(View line, View text, size_t nextStart) const
    {
        if (nextStart > text.size())
            return false;
        if (isFoldedContinuation(text, nextStart))
            return true;
        if (!endsInSoftBreak(line))
            return false;
        const size_t colon = line.find(Ch(':'));
        return colon != View::npos && readParameters(line.substr(0, colon)).quotedPrintable;
    }

    bool continuesJoined(View text, size_t nextStart) const
    {
        if (nextStart > text.size())
            return false;
        return isFoldedContinuation(text, nextStart) || (m_quotedPrintable.value_or(false) && endsInSoftBreak(m_joined));
    }

    // Once the head of the joined line is complete, whether its property is quoted-printable.
    // Only the newly appended part is searched for the colon, so a long run of continuation
    // lines stays linear.
    void noteHead(size_t searchFrom)
    {
        if (m_quotedPrintable)
            return;
        const size_t colon = View(m_joined).find(Ch(':'), searchFrom);
        if (colon != View::npos)
            m_quotedPrintable = readParameters(View(m_joined).substr(0, colon)).quotedPrintable;
    }

    // Joins the next physical line to the logical one; returns where the appended text begins.
    size_t joinNext(View next)
    {
        const bool softBreak = m_quotedPrintable.value_or(false) && endsInSoftBreak(m_joined);
        if (!m_joined.empty() && m_joined.back() == kCR)
            m_joined.pop_back();
        if (softBreak) {
            m_joined.pop_back(); // the "="
            const size_t at = m_joined.size();
            m_joined.append(next);
            return at;
        }
        const size_t at = m_joined.size();
        m_joined.append(next.substr(1)); // the blank or tab goes
        return at;
    }

    // Hands the logical line and the position of its first colon on, rewritten when it needs it.
    template <typename Visit>
    void visitProperty(View line, Visit& visit)
    {
        // One pass over the head: its colon, the end of the name, a dot in the name, and whether
        // a parameter may be CHARSET or ENCODING (TYPE=..., HOME, WORK and the like are not).
        size_t colon = View::npos;
        size_t nameEnd = View::npos;
        bool dotInName = false;
        bool maybeEncoding = false;
        for (size_t i = nextHeadMark(line, 0); i < line.size(); i = nextHeadMark(line, i + 1)) {
            const Ch c = line[i];
            if (c == Ch(':')) {
                colon = i;
                break;
            }
            if (c == Ch(';')) {
                if (nameEnd == View::npos)
                    nameEnd = i;
                const Ch next = i + 1 < line.size() ? upperAscii(line[i + 1]) : Ch(0);
                maybeEncoding |= next == Ch('C') || next == Ch('E') || next == Ch('Q') || next == Ch('B') ||
                                 next == Ch(' ');
            } else if (c == Ch('.') && nameEnd == View::npos) {
                dotInName = true;
            }
        }
        if (colon == View::npos)
            return;
        const View head = line.substr(0, colon);
        const View name = head.substr(0, nameEnd);
        const size_t group = dotInName ? groupPrefixLength(name) : 0;
        const Parameters parameters = maybeEncoding ? readParameters(head) : Parameters();
        if (parameters.base64)
            return;
        if (group == 0 && !parameters.dropsSome) {
            visit(line, colon, false);
            return;
        }
        m_rewritten.assign(name.substr(group));
        forEachParameter(head, [this](View parameter) {
            Parameters ignored;
            if (!readParameter(parameter, ignored)) {
                m_rewritten.push_back(Ch(';'));
                m_rewritten.append(parameter);
            }
        });
        const size_t rewrittenColon = m_rewritten.size();
        m_rewritten.push_back(Ch(':'));
        const View value = line.substr(colon + 1);
        if (parameters.quotedPrintable)
            appendQuotedPrintable(value, parameters.charset);
        else
            m_rewritten.append(value);
        visit(View(m_rewritten), rewrittenColon, parameters.dropsSome);
    }

    static int hexDigit(Ch c)
    {
        if (c >= Ch('0') && c <= Ch('9'))
            return int(c - Ch('0'));
        if (c >= Ch('A') && c <= Ch('F'))
            return int(c - Ch('A')) + 10;
        if (c >= Ch('a') && c <= Ch('f'))
            return int(c - Ch('a')) + 10;
        return -1;
    }

    // "=XX" runs become bytes and those bytes text; every other character stays as it is. A
    // final "=" is a soft break with nothing after it.
    void appendQuotedPrintable(View value, View charset)
    {
        const bool endsInCR = !value.empty() && value.back() == kCR;
        if (endsInCR)
            value.remove_suffix(1);
        m_charset.resize(0);
        for (const Ch c : charset)
            m_charset.push_back(char(c < 0x80 ? c : '?'));
        m_bytes.clear();
        for (size_t i = 0; i < value.size(); ++i) {
            if (value[i] == Ch('=') && i + 2 < value.size() && hexDigit(value[i + 1]) >= 0 &&
                hexDigit(value[i + 2]) >= 0) {
                m_bytes.push_back(char(hexDigit(value[i + 1]) * 16 + hexDigit(value[i + 2])));
                i += 2;
                continue;
            }
            if (value[i] == Ch('=') && i + 1 == value.size())
                break;
            flushBytes();
            // Text up to the next "=" stays as it is.
            const size_t next = std::min(value.find(Ch('='), i + 1), value.size());
            m_rewritten.append(value.substr(i, next - i));
            i = next - 1;
        }
        flushBytes();
        if (endsInCR)
            m_rewritten.push_back(kCR);
    }

    QByteArrayView bytes() const { return QByteArrayView(m_bytes.data(), qsizetype(m_bytes.size())); }

    void flushBytes()
    {
        if (m_bytes.empty())
            return;
        if constexpr (sizeof(Ch) == 1) {
            // UTF-8 bytes in a UTF-8 conversion are already what the decoding would write back.
            if (CharsetDecoding::readsAsUtf8(bytes(), m_charset)) {
                m_rewritten.append(reinterpret_cast<const Ch*>(m_bytes.data()), size_t(m_bytes.size()));
                m_bytes.clear();
                return;
            }
        }
        const QString text = m_charsets.decode(bytes(), m_charset);
        m_bytes.clear();
        if constexpr (sizeof(Ch) == 1) {
            const QByteArray utf8 = text.toUtf8();
            m_rewritten.append(reinterpret_cast<const Ch*>(utf8.constData()), size_t(utf8.size()));
        } else {
            m_rewritten.append(reinterpret_cast<const Ch*>(text.utf16()), size_t(text.size()));
        }
    }

    Text m_joined;
    Text m_rewritten;
    std::optional<bool> m_quotedPrintable; // of the joined line, once its head is complete
    std::string m_bytes; // the decoded bytes of one run of "=XX"
    QByteArray m_charset;
    CharsetDecoding m_charsets;
};

} // namespace cardisto
